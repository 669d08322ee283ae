#pragma once

#include <QString>
#include <QStringList>

namespace viskora {

// The paths of the most recently opened or saved documents, most recent
// first, each at most once.
class RecentFileList {
  public:
    static constexpr int kCapacity = 4;

    RecentFileList() = default;
    // Keeps the first kCapacity distinct non-empty paths.
    explicit RecentFileList(const QStringList& paths);

    const QStringList& paths() const { return paths_; }
    int size() const { return static_cast<int>(paths_.size()); }
    bool isEmpty() const { return paths_.isEmpty(); }

    // Puts path first, dropping an earlier entry of the same file and the
    // oldest entry beyond the capacity.
    void add(const QString& path);
    void remove(int index);

    // The entry as the File menu shows it: "&1 " and the path, shortened in
    // the middle when it is long.
    static QString menuText(int index, const QString& path);

  private:
    QStringList paths_;
};

} // namespace viskora
