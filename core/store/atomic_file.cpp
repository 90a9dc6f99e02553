#include "core/store/atomic_file.h"

#include <algorithm>

namespace vk {

CAtomicFile::CAtomicFile(IFileSystem& fs, std::string target, TempAccess access)
    : fs_(fs), target_(std::move(target)), access_(access) {}

CAtomicFile::~CAtomicFile() {
    Discard();
}

void CAtomicFile::Discard() {
    if (!file_) return;
    if (!closed_) file_->Close();
    file_.reset();
    fs_.Remove(tempPath_);
}

FileStatus CAtomicFile::Open() {
    lock_ = fs_.LockForReplace(target_, &status_);
    if (!lock_) return status_;
    fs_.RemoveLeftoverTemps(target_);
    file_ = access_ == TempAccess::kOwnerOnly
                ? fs_.CreateSecretTempBeside(target_, &tempPath_, &status_)
                : fs_.CreateTempBeside(target_, &tempPath_, &status_);
    return status_;
}

FileStatus CAtomicFile::Append(const void* data, std::size_t size) {
    if (!file_) return status_.ok() ? FileStatus::Error("The file is not open") : status_;
    if (status_.ok() && size > 0) status_ = file_->Append(data, size);
    return status_;
}

FileStatus CAtomicFile::Commit() {
    if (!file_) return status_.ok() ? FileStatus::Error("The file is not open") : status_;
    if (status_.ok()) status_ = file_->Sync();
    FileStatus closed = file_->Close();
    closed_ = true;
    if (status_.ok()) status_ = closed;
    if (status_.ok()) status_ = fs_.Rename(tempPath_, target_);
    if (!status_.ok()) {
        Discard();
        return status_;
    }
    file_.reset();
    // The new file is in place; a failure to make the rename durable loses nothing now.
    fs_.SyncFolderOf(target_);
    return status_;
}

namespace {

// What a writer of the whole content sees: appends go to the atomic file, which syncs and
// closes it when it commits.
class AppendOnly : public IWriteFile {
  public:
    explicit AppendOnly(CAtomicFile& file) : file_(file) {}
    FileStatus Append(const void* data, std::size_t size) override {
        return file_.Append(data, size);
    }
    FileStatus Sync() override { return FileStatus::Ok(); }
    FileStatus Close() override { return FileStatus::Ok(); }

  private:
    CAtomicFile& file_;
};

}  // namespace

FileStatus WriteOwnerOnlyFile(IFileSystem& fs, const std::string& path,
                              const std::function<FileStatus(IWriteFile&)>& write, bool* opened) {
    CAtomicFile file(fs, path, TempAccess::kOwnerOnly);
    FileStatus status = file.Open();
    if (opened) *opened = status.ok();
    if (!status.ok()) return status;
    AppendOnly out(file);
    status = write(out);
    return status.ok() ? file.Commit() : status;
}

FileStatus WriteOwnerOnlyFile(IFileSystem& fs, const std::string& path, std::string_view bytes,
                              bool* opened) {
    return WriteOwnerOnlyFile(
        fs, path,
        [bytes](IWriteFile& file) {
            // In pieces, so that a disk filling up is met where it happens.
            constexpr std::size_t kPiece = 1 << 20;
            FileStatus status;
            for (std::size_t at = 0; at < bytes.size() && status.ok(); at += kPiece)
                status = file.Append(bytes.data() + at, std::min(kPiece, bytes.size() - at));
            return status;
        },
        opened);
}

}  // namespace vk
