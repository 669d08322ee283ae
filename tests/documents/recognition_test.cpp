#include "documents/document_format.h"
#include "documents/profile_lookup.h"

#include <gtest/gtest.h>

namespace viskora {
namespace {

TEST(ProfileLookup, WindowsLookupRules) {
    struct Case {
        std::string_view text;
        std::string_view expected;
    };
    const Case cases[] = {
        {"[General]\ntype=Viskora\n", "Viskora"},
        {"[general]\nTYPE=Viskora\n", "Viskora"},
        {"  [ GENERAL ]  \n  Type  =  Viskora  \n", "Viskora"},
        {"[General]\ntype=Viskora and more text\n", "Viskora and more text"},
        {"[General]\ntype=a=b\n", "a=b"},
        {"[General]\ntype=\n", ""},
        {"[General]\ntype\n", ""},
        {"[Other]\ntype=Viskora\n", ""},
        {"type=Viskora\n[General]\n", ""},
        {"[General]\n[Data]\ntype=Viskora\n", ""},
        {"[General]\ntype=first\ntype=second\n", "first"},
        {"[General]\r\ntype=Viskora\r\n", "Viskora"},
        {"[General]\rtype=Viskora\r", "Viskora"},
        {"[General]\ntypes=Viskora\ntype=x\n", "x"},
        {"[General\ntype=Viskora\n", "Viskora"},
        {"", ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(profileString(c.text, "General", "type"), c.expected) << c.text;
    }
}

TEST(ProfileLookup, ValueIsCutTo255Bytes) {
    const std::string value(1000, 'v');
    const std::string found = profileString("[General]\ntype=" + value + "\n", "General", "type");
    EXPECT_EQ(found, std::string(255, 'v'));
}

TEST(Recognition, TypeAndState) {
    struct Case {
        std::string_view text;
        std::optional<DocumentKind> kind;
    };
    const Case cases[] = {
        {"[General]\ntype=Viskora\nstate=1\nversion=1\n[Data]\n", DocumentKind::Basic},
        {"[General]\ntype=Viskora\nstate=2\n", DocumentKind::Additional},
        {"[GENERAL]\nTYPE=Viskora\nSTATE=2\n", DocumentKind::Additional},
        {"[General]\nstate=1\ntype=Viskora\n", DocumentKind::Basic},
        {"[General]\ntype=Viskora\nstate=2abc\n", DocumentKind::Additional},
        {"[General]\ntype=Viskora\nstate= 1\n", DocumentKind::Basic},
        {"[General]\ntype=viskora\nstate=1\n", std::nullopt},
        {"[General]\ntype=VISKORA\nstate=1\n", std::nullopt},
        {"[General]\ntype=Viskora2\nstate=1\n", std::nullopt},
        {"[General]\nstate=1\n", std::nullopt},
        {"[General]\ntype=Viskora\n", std::nullopt},
        {"[General]\ntype=Viskora\nstate=0\n", std::nullopt},
        {"[General]\ntype=Viskora\nstate=3\n", std::nullopt},
        {"[General]\ntype=Viskora\nstate=-1\n", std::nullopt},
        {"[General]\ntype=Viskora\nstate=x1\n", std::nullopt},
        {"[Data]\ntype=Viskora\nstate=1\n", std::nullopt},
        {"\x89PNG\r\n\x1a\n\0\0\0", std::nullopt},
        {"", std::nullopt},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(recogniseDocument(c.text), c.kind) << c.text;
    }
}

} // namespace
} // namespace viskora
