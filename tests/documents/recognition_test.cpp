#include "documents/document_format.h"
#include "documents/profile_lookup.h"

#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <string>

namespace viskora {
namespace {

// The value of "type" in section "General" of a file's text.
struct TypeLookup {
    std::string_view text;
    std::string_view expected;
};

void PrintTo(const TypeLookup& row, std::ostream* out) {
    *out << ::testing::PrintToString(std::string(row.text));
}

class TypeLookups : public ::testing::TestWithParam<TypeLookup> {};

TEST_P(TypeLookups, FollowTheWindowsLookupRules) {
    EXPECT_EQ(profileString(GetParam().text, "General", "type"), GetParam().expected);
}

constexpr TypeLookup kTypeLookups[] = {
    // Names of sections and keys in any case, blanks around them.
    {"[General]\ntype=Viskora\n", "Viskora"},
    {"[general]\nTYPE=Viskora\n", "Viskora"},
    {"  [ GENERAL ]  \n  Type  =  Viskora  \n", "Viskora"},
    // The value is the rest of the line.
    {"[General]\ntype=Viskora and more text\n", "Viskora and more text"},
    {"[General]\ntype=a=b\n", "a=b"},
    {"[General]\ntype=\n", ""},
    {"[General]\ntype\n", ""},
    // Only in its own section, and the first of two.
    {"[Other]\ntype=Viskora\n", ""},
    {"type=Viskora\n[General]\n", ""},
    {"[General]\n[Data]\ntype=Viskora\n", ""},
    {"[General]\ntype=first\ntype=second\n", "first"},
    // Other line ends, a longer key, an unclosed section name, nothing.
    {"[General]\r\ntype=Viskora\r\n", "Viskora"},
    {"[General]\rtype=Viskora\r", "Viskora"},
    {"[General]\ntypes=Viskora\ntype=x\n", "x"},
    {"[General\ntype=Viskora\n", "Viskora"},
    {"", ""},
};

INSTANTIATE_TEST_SUITE_P(Texts, TypeLookups, ::testing::ValuesIn(kTypeLookups));

TEST(ProfileLookup, ValueIsCutTo255Bytes) {
    const std::string value(1000, 'v');
    const std::string found = profileString("[General]\ntype=" + value + "\n", "General", "type");
    EXPECT_EQ(found, std::string(255, 'v'));
}

// The kind a file's header makes it, or none.
struct Header {
    std::string_view text;
    std::optional<DocumentKind> kind;
};

void PrintTo(const Header& row, std::ostream* out) {
    *out << ::testing::PrintToString(std::string(row.text));
}

class Headers : public ::testing::TestWithParam<Header> {};

TEST_P(Headers, AreRecognisedByTypeAndState) {
    EXPECT_EQ(recogniseDocument(GetParam().text), GetParam().kind);
}

const Header kHeaders[] = {
    // Documents: keys in any order and case, the state read as a leading integer.
    {"[General]\ntype=Viskora\nstate=1\nversion=1\n[Data]\n", DocumentKind::Basic},
    {"[General]\ntype=Viskora\nstate=2\n", DocumentKind::Additional},
    {"[GENERAL]\nTYPE=Viskora\nSTATE=2\n", DocumentKind::Additional},
    {"[General]\nstate=1\ntype=Viskora\n", DocumentKind::Basic},
    {"[General]\ntype=Viskora\nstate=2abc\n", DocumentKind::Additional},
    {"[General]\ntype=Viskora\nstate= 1\n", DocumentKind::Basic},
    // Not documents: the type in another case or longer, a key missing,
    // a state other than 1 or 2, keys outside the section, other files.
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

INSTANTIATE_TEST_SUITE_P(Texts, Headers, ::testing::ValuesIn(kHeaders));

} // namespace
} // namespace viskora
