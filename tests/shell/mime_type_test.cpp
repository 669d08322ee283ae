// The desktop's file type of calculation files, read from the package's
// shared-MIME-info file (ctest points XDG_DATA_DIRS at a copy of it).

#include <QMimeDatabase>

#include <gtest/gtest.h>

namespace {

const QString kType = QStringLiteral("application/x-viskora");

TEST(MimeType, ACalculationFileIsKnownByItsName) {
    const QMimeDatabase database;
    EXPECT_EQ(
        database.mimeTypeForFile(QStringLiteral("pipe.vkr"), QMimeDatabase::MatchExtension).name(),
        kType);
    EXPECT_EQ(database.mimeTypeForName(kType).comment(), QStringLiteral("Viskora calculation"));
}

TEST(MimeType, ACalculationFileIsKnownByItsHeaderWhateverItsName) {
    const QMimeDatabase database;
    struct Case {
        QByteArray bytes;
        bool calculation;
    };
    const Case cases[] = {
        {"[General]\ntype=Viskora\nstate=1\nversion=1\n[Data]\n702.7\n", true},
        {"[General]\r\ntype=Viskora\r\nstate=2\r\n", true},
        {"[General]\ntype=Other\nstate=1\n", false},
        {"702.7\n0\n20\n", false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(database.mimeTypeForData(c.bytes).name() == kType, c.calculation)
            << c.bytes.toStdString();
    }
}

// Property curves documents have a type of their own, by name and by the
// format their JSON names; a calculation's header is not mistaken for one.
TEST(MimeType, ACurvesDocumentIsKnownByItsNameAndItsFormat) {
    const QMimeDatabase database;
    const QString curves = QStringLiteral("application/x-viskora-curves");
    EXPECT_EQ(
        database.mimeTypeForFile(QStringLiteral("oil.vkc"), QMimeDatabase::MatchExtension).name(),
        curves);
    EXPECT_EQ(database
                  .mimeTypeForData(QByteArray("{\n  \"columnUnits\": {\"liquidDensity\": 1},\n"
                                              "  \"format\": \"viskora-curves\",\n"))
                  .name(),
              curves);
    EXPECT_NE(database.mimeTypeForData(QByteArray("{\"format\": \"other\"}")).name(), curves);
}

} // namespace
