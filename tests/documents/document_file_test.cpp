#include "documents/document_file.h"

#include "documents/replacement_file.h"

#include <gtest/gtest.h>

#include <ostream>

#include <cerrno>
#include <csignal>
#include <fstream>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>
#include <vector>

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

// What is at the path when a file is opened, and the reason the message
// gives after "Cannot read this file."; empty for a readable file that is
// not a document.
struct UnreadableCase {
    const char* name;
    void (*make)(const fs::path& path);
    std::string_view reason;
};

void PrintTo(const UnreadableCase& row, std::ostream* out) {
    *out << row.name;
}

class UnreadableFileTest : public DocumentFileTest,
                           public ::testing::WithParamInterface<UnreadableCase> {};

TEST_P(UnreadableFileTest, SaysWhy) {
    const fs::path path = folder_ / "calc.vkr";
    GetParam().make(path);
    const OpenResult result = openDocumentFile(path);
    EXPECT_FALSE(result.record);
    EXPECT_EQ(recogniseDocumentFile(path), std::nullopt);
    if (GetParam().reason.empty()) {
        EXPECT_EQ(result.message, kNotAViskoraFileMessage);
    } else {
        EXPECT_EQ(result.message, "Cannot read this file.\r\n" + std::string(GetParam().reason));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Paths, UnreadableFileTest,
    ::testing::Values(
        // Readable, but not a document: the one message of that kind.
        UnreadableCase{"NotADocument",
                       [](const fs::path& p) { std::ofstream(p, std::ios::binary) << "hello\n"; },
                       ""},
        UnreadableCase{"Missing", [](const fs::path&) {}, "No such file or directory."},
        UnreadableCase{"Folder", [](const fs::path& p) { fs::create_directory(p); },
                       "Is a directory."},
        // Opening a pipe must neither wait for a writer nor read it.
        UnreadableCase{"Pipe", [](const fs::path& p) { ::mkfifo(p.c_str(), 0600); },
                       kNotARegularFileToReadReason},
        // A document header, then more than any document holds.
        UnreadableCase{"TooLarge",
                       [](const fs::path& p) {
                           std::ofstream(p, std::ios::binary)
                               << "[General]\ntype=Viskora\nstate=1\n";
                           fs::resize_file(p, kMaxDocumentFileBytes + 1);
                       },
                       kTooLargeToReadReason}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(DocumentFileTest, AFileWithoutReadPermissionSaysSo) {
    if (geteuid() == 0) {
        GTEST_SKIP() << "permissions do not bind the superuser";
    }
    const fs::path path = folder_ / "calc.vkr";
    put(path, "[General]\ntype=Viskora\nstate=1\n");
    fs::permissions(path, fs::perms::none);
    EXPECT_EQ(openDocumentFile(path).message, "Cannot read this file.\r\nPermission denied.");
}

// Saving over something that is not the user's writable regular file
// refuses, names the file and leaves what was there.
TEST_F(DocumentFileTest, SaveOverAPipeIsRefusedAndThePipeStays) {
    const fs::path path = folder_ / "pipe.vkr";
    ASSERT_EQ(::mkfifo(path.c_str(), 0600), 0);
    const SaveResult result = saveDocumentFile(path, "data");
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.message, "Cannot save the file " + path.string() + ".\r\n" +
                                  std::string(kNotARegularFileReason));
    EXPECT_TRUE(fs::is_fifo(path));
    EXPECT_EQ(entries(), 1);
}

// The superuser could replace the file, so the refusal must come from the
// file's mode and not from a permission check.
TEST_F(DocumentFileTest, SaveOverAReadOnlyFileIsRefused) {
    const fs::path path = folder_ / "calc.vkr";
    put(path, "old contents\n");
    fs::permissions(path, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    const SaveResult result = saveDocumentFile(path, "new");
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.message,
              "Cannot save the file " + path.string() + ".\r\n" + std::string(kReadOnlyFileReason));
    EXPECT_EQ(contents(path), "old contents\n");
    EXPECT_EQ(entries(), 1);
}

TEST_F(DocumentFileTest, SaveKeepsTheOwnerAndGroupOfAnotherUsersFile) {
    if (geteuid() != 0) {
        GTEST_SKIP() << "only the superuser may give a file away";
    }
    const fs::path path = folder_ / "calc.vkr";
    put(path, "old");
    ASSERT_EQ(::chown(path.c_str(), 4321, 8765), 0);
    ASSERT_TRUE(saveDocumentFile(path, "new"));
    struct stat info {};
    ASSERT_EQ(::stat(path.c_str(), &info), 0);
    EXPECT_EQ(info.st_uid, 4321u);
    EXPECT_EQ(info.st_gid, 8765u);
    EXPECT_EQ(contents(path), "new");
}

// A link another user planted in a shared sticky folder (like /tmp) is one
// the kernel would not follow for us: the save is refused with the reason,
// and neither the link's target nor a file it points to that does not exist
// yet is touched. A link the folder's owner made is followed as before. Who
// owns a link can only be set by the superuser: elsewhere the test skips.
TEST_F(DocumentFileTest, ALinkAnotherUserPlantedInASharedFolderIsNotFollowed) {
    const fs::path shared = folder_ / "shared";
    fs::create_directory(shared);
    fs::permissions(shared, fs::perms::all | fs::perms::sticky_bit);
    const fs::path victim = folder_ / "victim.txt";
    put(victim, "precious");
    const fs::path planted = shared / "evil.vkr";
    const fs::path dangling = shared / "dangling.vkr";
    fs::create_symlink(victim, planted);
    fs::create_symlink(folder_ / "made-for-them.txt", dangling);
    constexpr uid_t kAnotherUser = 65534;
    if (::lchown(planted.c_str(), kAnotherUser, kAnotherUser) != 0 ||
        ::lchown(dangling.c_str(), kAnotherUser, kAnotherUser) != 0 ||
        ::geteuid() == kAnotherUser) {
        GTEST_SKIP() << "only the superuser can give a link to another user";
    }
    for (const fs::path& link : {planted, dangling}) {
        const SaveResult saved = saveDocumentFile(link, "replaced");
        EXPECT_FALSE(saved.ok) << link;
        EXPECT_NE(saved.message.find(kForeignLinkReason), std::string::npos) << saved.message;
        EXPECT_TRUE(fs::is_symlink(link));
    }
    EXPECT_EQ(contents(victim), "precious");
    EXPECT_FALSE(fs::exists(folder_ / "made-for-them.txt"));

    const fs::path own = shared / "own.vkr";
    fs::create_symlink(victim, own);
    EXPECT_TRUE(saveDocumentFile(own, "replaced").ok);
    EXPECT_EQ(contents(victim), "replaced");
}

TEST_F(DocumentFileTest, SaveWritesThroughHardLinks) {
    const fs::path path = folder_ / "calc.vkr";
    const fs::path other = folder_ / "other name.vkr";
    put(path, "old contents, longer than the new\n");
    fs::create_hard_link(path, other);
    ASSERT_TRUE(saveDocumentFile(path, "new\n"));
    EXPECT_EQ(contents(other), "new\n");
    EXPECT_TRUE(fs::equivalent(path, other));
    EXPECT_EQ(entries(), 2);
}

// With no room for the new content in a file with a second name (a size
// limit fails writes past it as a full disk does), both names keep the old
// content whole, not the first blocks of the new one.
struct LinkedRewrite {
    const char* name;
    std::size_t oldBytes;
    std::size_t newBytes;
    rlim_t limit; // while the new content goes in
};

void PrintTo(const LinkedRewrite& c, std::ostream* out) {
    *out << c.name;
}

class HardLinkedRewrite : public DocumentFileTest,
                          public ::testing::WithParamInterface<LinkedRewrite> {};

TEST_P(HardLinkedRewrite, LeavesBothNamesWithTheOldOrTheNewContent) {
    const fs::path path = folder_ / "report.pdf";
    const std::string oldContent(GetParam().oldBytes, 'o');
    const std::string newContent(GetParam().newBytes, 'n');
    put(path, oldContent);
    fs::create_hard_link(path, folder_ / "other.pdf");
    const bool fits = GetParam().limit > newContent.size();
    {
        ReplacementFile file(path);
        ASSERT_TRUE(file.write(newContent));
        rlimit saved{};
        getrlimit(RLIMIT_FSIZE, &saved);
        const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = saved;
        limit.rlim_cur = GetParam().limit;
        setrlimit(RLIMIT_FSIZE, &limit);
        const bool committed = file.commit();
        setrlimit(RLIMIT_FSIZE, &saved);
        std::signal(SIGXFSZ, previousHandler);
        EXPECT_EQ(committed, fits);
        EXPECT_EQ(file.failure(), fits ? "" : systemErrorText(EFBIG));
    }
    EXPECT_TRUE(contents(folder_ / "other.pdf") == (fits ? newContent : oldContent));
    EXPECT_EQ(entries(), 2);
}

INSTANTIATE_TEST_SUITE_P(
    SizeLimits, HardLinkedRewrite,
    ::testing::Values(LinkedRewrite{"LongerThanTheLimit", 1000, 100000, 4096},
                      // The copy would overwrite the old blocks first.
                      LinkedRewrite{"LimitInsideTheOldContent", 20000, 100000, 8192},
                      LinkedRewrite{"RoomForTheNewContent", 1000, 100000, 1 << 20},
                      LinkedRewrite{"EmptyNewContent", 1000, 0, 4096}),
    [](const auto& info) { return std::string(info.param.name); });

// A save to "saved.vkr" through the links NAME -> TARGET made in turn writes
// `written`, made when it does not exist, and every link stays a link.
struct LinkChain {
    const char* name;
    std::vector<std::pair<std::string, std::string>> links;
    std::string written; // empty: the save is refused
};

void PrintTo(const LinkChain& c, std::ostream* out) {
    *out << c.name;
}

class SaveThroughSymbolicLinks : public DocumentFileTest,
                                 public ::testing::WithParamInterface<LinkChain> {};

TEST_P(SaveThroughSymbolicLinks, WritesTheFileAtTheEndOfTheChain) {
    fs::create_directory(folder_ / "sub");
    for (const auto& [name, target] : GetParam().links) {
        fs::create_symlink(target, folder_ / name);
    }
    const std::string& written = GetParam().written;
    EXPECT_EQ(saveDocumentFile(folder_ / "saved.vkr", "new").ok, !written.empty());
    for (const auto& link : GetParam().links) {
        EXPECT_TRUE(fs::is_symlink(folder_ / link.first)) << link.first;
    }
    if (!written.empty()) {
        EXPECT_EQ(contents(folder_ / written), "new");
    }
    // The links, "sub" and what was written: nothing left behind.
    EXPECT_EQ(std::distance(fs::recursive_directory_iterator(folder_), {}),
              static_cast<long>(GetParam().links.size()) + (written.empty() ? 1 : 2));
}

INSTANTIATE_TEST_SUITE_P(
    Links, SaveThroughSymbolicLinks,
    ::testing::Values(LinkChain{"ToAMissingFile", {{"saved.vkr", "missing.vkr"}}, "missing.vkr"},
                      // A relative link is read from its own folder.
                      LinkChain{"ChainThroughAFolder",
                                {{"sub/hop.vkr", "end.vkr"}, {"saved.vkr", "sub/hop.vkr"}},
                                "sub/end.vkr"},
                      LinkChain{"IntoAMissingFolder", {{"saved.vkr", "nowhere/new.vkr"}}, ""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(DocumentFileTest, ANameNearTheFileSystemLimitSaves) {
    const fs::path path = folder_ / (std::string(251, 'n') + ".vkr");
    ASSERT_TRUE(saveDocumentFile(path, "first"));
    ASSERT_TRUE(saveDocumentFile(path, "second"));
    EXPECT_EQ(contents(path), "second");
    EXPECT_EQ(entries(), 1);
}

TEST_F(DocumentFileTest, FileOfTheLargestSizeIsStillRead) {
    const fs::path largest = folder_ / "largest.vkr";
    put(largest, "[General]\ntype=Viskora\nstate=1\n");
    fs::resize_file(largest, kMaxDocumentFileBytes);
    EXPECT_EQ(recogniseDocumentFile(largest), DocumentKind::Basic);
}

} // namespace
} // namespace viskora
