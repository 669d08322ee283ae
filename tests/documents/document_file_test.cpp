#include "documents/document_file.h"

#include <gtest/gtest.h>

#include <csignal>
#include <fstream>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace viskora {
namespace {

namespace fs = std::filesystem;

class DocumentFileTest : public ::testing::Test {
  protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "viskora-docs-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        folder_ = pattern;
    }
    void TearDown() override {
        std::error_code ec;
        fs::permissions(folder_, fs::perms::owner_all, fs::perm_options::add, ec);
        fs::remove_all(folder_, ec);
    }

    static std::string contents(const fs::path& path) {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }
    static void put(const fs::path& path, std::string_view bytes) {
        std::ofstream(path, std::ios::binary) << bytes;
    }
    int entries() const {
        return static_cast<int>(std::distance(fs::directory_iterator(folder_), {}));
    }

    fs::path folder_;
};

TEST_F(DocumentFileTest, SaveWritesAndReplaces) {
    const fs::path path = folder_ / "calc.vkr";
    ASSERT_TRUE(saveDocumentFile(path, "first\n"));
    EXPECT_EQ(contents(path), "first\n");
    const SaveResult second = saveDocumentFile(path, "second\n");
    EXPECT_TRUE(second.ok);
    EXPECT_EQ(second.message, "");
    EXPECT_EQ(contents(path), "second\n");
    EXPECT_EQ(entries(), 1);
}

TEST_F(DocumentFileTest, ReplacedFileKeepsItsPermissions) {
    const fs::path path = folder_ / "calc.vkr";
    put(path, "old");
    fs::permissions(path, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    ASSERT_TRUE(saveDocumentFile(path, "new"));
    EXPECT_EQ(fs::status(path).permissions(),
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
}

TEST_F(DocumentFileTest, SaveThroughASymbolicLinkKeepsTheLink) {
    const fs::path real = folder_ / "real.vkr";
    const fs::path link = folder_ / "link.vkr";
    put(real, "old");
    fs::create_symlink(real, link);
    ASSERT_TRUE(saveDocumentFile(link, "new"));
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(contents(real), "new");
}

TEST_F(DocumentFileTest, FailedSaveIntoAMissingFolderReportsIt) {
    const fs::path path = folder_ / "no such folder" / "calc.vkr";
    const SaveResult result = saveDocumentFile(path, "data");
    EXPECT_FALSE(result.ok);
    EXPECT_NE(result.message.find("Cannot save the file"), std::string::npos);
    EXPECT_NE(result.message.find(path.string()), std::string::npos);
    EXPECT_FALSE(fs::exists(path));
}

TEST_F(DocumentFileTest, FailedSaveOverAFolderLeavesItAndNoLeftovers) {
    const fs::path path = folder_ / "calc.vkr";
    fs::create_directory(path);
    put(path / "inside", "kept");
    EXPECT_FALSE(saveDocumentFile(path, "data"));
    EXPECT_EQ(contents(path / "inside"), "kept");
    EXPECT_EQ(entries(), 1);
}

TEST_F(DocumentFileTest, FailedSaveInAReadOnlyFolderLeavesTheOldFile) {
    if (geteuid() == 0) {
        GTEST_SKIP() << "permissions do not bind the superuser";
    }
    const fs::path path = folder_ / "calc.vkr";
    put(path, "old contents\n");
    fs::permissions(folder_, fs::perms::owner_read | fs::perms::owner_exec);
    EXPECT_FALSE(saveDocumentFile(path, "new"));
    fs::permissions(folder_, fs::perms::owner_all);
    EXPECT_EQ(contents(path), "old contents\n");
    EXPECT_EQ(entries(), 1);
}

TEST_F(DocumentFileTest, WriteFailingHalfwayLeavesTheOldFile) {
    const fs::path path = folder_ / "calc.vkr";
    put(path, "old contents\n");
    // A file size limit makes the write fail part way, for the superuser too.
    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 64;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const SaveResult result = saveDocumentFile(path, std::string(100000, 'x'));
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);
    EXPECT_FALSE(result.ok);
    EXPECT_FALSE(result.message.empty());
    EXPECT_EQ(contents(path), "old contents\n");
    EXPECT_EQ(entries(), 1);
}

TEST_F(DocumentFileTest, OpenByKind) {
    const fs::path basic = folder_ / "b.vkr";
    const fs::path additional = folder_ / "a.vkr";
    const BasicDocumentRecord basicRecord;
    AdditionalDocumentRecord additionalRecord;
    additionalRecord.designTempText = "77";
    ASSERT_TRUE(
        saveDocumentFile(basic, basicDocumentText(basicRecord, RecordFractionRows(basicRecord))));
    ASSERT_TRUE(
        saveDocumentFile(additional, additionalDocumentText(additionalRecord,
                                                            RecordFractionRows(additionalRecord))));

    EXPECT_EQ(recogniseDocumentFile(basic), DocumentKind::Basic);
    EXPECT_EQ(recogniseDocumentFile(additional), DocumentKind::Additional);
    const OpenResult openedBasic = openDocumentFile(basic);
    ASSERT_TRUE(openedBasic.record);
    EXPECT_TRUE(std::holds_alternative<BasicDocumentRecord>(*openedBasic.record));
    const OpenResult openedAdditional = openDocumentFile(additional);
    ASSERT_TRUE(openedAdditional.record);
    const auto& read = std::get<AdditionalDocumentRecord>(*openedAdditional.record);
    EXPECT_EQ(read.designTempText, "77");
    EXPECT_TRUE(read.loadedFromFile);
}

TEST_F(DocumentFileTest, WhatCannotBeOpenedGetsTheMessage) {
    const fs::path junk = folder_ / "junk.vkr";
    put(junk, "hello\n");
    const fs::path huge = folder_ / "huge.vkr";
    put(huge, "[General]\ntype=Viskora\nstate=1\n");
    fs::resize_file(huge, kMaxDocumentFileBytes + 1);
    const fs::path paths[] = {junk, huge, folder_ / "missing.vkr", folder_};
    for (const fs::path& path : paths) {
        const OpenResult result = openDocumentFile(path);
        EXPECT_FALSE(result.record) << path;
        EXPECT_EQ(result.message, kNotAViskoraFileMessage) << path;
        EXPECT_EQ(recogniseDocumentFile(path), std::nullopt) << path;
    }
}

TEST_F(DocumentFileTest, FileOfTheLargestSizeIsStillRead) {
    const fs::path largest = folder_ / "largest.vkr";
    put(largest, "[General]\ntype=Viskora\nstate=1\n");
    fs::resize_file(largest, kMaxDocumentFileBytes);
    EXPECT_EQ(recogniseDocumentFile(largest), DocumentKind::Basic);
}

} // namespace
} // namespace viskora
