#include "tests/support/mem_file_system.h"

#include <algorithm>
#include <cstring>

namespace vk::test {
namespace {

class MemReadFile : public IReadFile {
  public:
    MemReadFile(MemFileSystem& fs, std::string data) : fs_(fs), data_(std::move(data)) {}
    FileStatus Read(void* buffer, std::size_t size, std::size_t* got) override {
        *got = 0;
        if (++fs_.reads == fs_.failReadAt) return FileStatus::Error("Input/output error");
        std::size_t n = std::min(size, data_.size() - pos_);
        if (fs_.readChunk) n = std::min(n, fs_.readChunk);
        std::memcpy(buffer, data_.data() + pos_, n);
        pos_ += n;
        *got = n;
        return FileStatus::Ok();
    }

  private:
    MemFileSystem& fs_;
    std::string data_;
    std::size_t pos_ = 0;
};

class MemWriteFile : public IWriteFile {
  public:
    MemWriteFile(MemFileSystem& fs, std::string path) : fs_(fs), path_(std::move(path)) {}
    FileStatus Append(const void* data, std::size_t size) override {
        if (++fs_.appends == fs_.failAppendAt) {
            // A disk that fills up mid-write keeps part of the data.
            fs_.files[path_].append(static_cast<const char*>(data), size / 2);
            return FileStatus::Error("No space left on device");
        }
        fs_.files[path_].append(static_cast<const char*>(data), size);
        return FileStatus::Ok();
    }
    FileStatus Sync() override {
        return ++fs_.syncs == fs_.failSyncAt ? FileStatus::Error("Input/output error")
                                             : FileStatus::Ok();
    }
    FileStatus Close() override {
        return ++fs_.closes == fs_.failCloseAt ? FileStatus::Error("Input/output error")
                                               : FileStatus::Ok();
    }

  private:
    MemFileSystem& fs_;
    std::string path_;
};

struct MemLock : IFileLock {};

}  // namespace

std::unique_ptr<IReadFile> MemFileSystem::OpenForRead(const std::string& path, FileStatus* status) {
    auto it = files.find(path);
    if (++opens == failOpenReadAt) {
        *status = FileStatus::Error("Permission denied");
        return nullptr;
    }
    if (it == files.end()) {
        *status = FileStatus::Error("No such file or directory");
        return nullptr;
    }
    if (locked.count(path)) {
        *status = FileStatus::Error("locked");
        return nullptr;
    }
    *status = FileStatus::Ok();
    return std::make_unique<MemReadFile>(*this, it->second);
}

std::unique_ptr<IFileLock> MemFileSystem::LockForReplace(const std::string& path,
                                                         FileStatus* status) {
    if (locked.count(path)) {
        *status = FileStatus::Error("locked");
        return nullptr;
    }
    *status = FileStatus::Ok();
    return std::make_unique<MemLock>();
}

std::unique_ptr<IWriteFile> MemFileSystem::CreateTempBeside(const std::string& target,
                                                            std::string* tempPath,
                                                            FileStatus* status) {
    if (++creates == failCreateAt) {
        *status = FileStatus::Error("Permission denied");
        return nullptr;
    }
    *tempPath = target + ".tmp" + std::to_string(creates);
    files[*tempPath];
    *status = FileStatus::Ok();
    return std::make_unique<MemWriteFile>(*this, *tempPath);
}

FileStatus MemFileSystem::Rename(const std::string& from, const std::string& to) {
    if (++renames == failRenameAt) return FileStatus::Error("Input/output error");
    auto it = files.find(from);
    if (it == files.end()) return FileStatus::Error("No such file or directory");
    files[to] = std::move(it->second);
    files.erase(from);
    return FileStatus::Ok();
}

FileStatus MemFileSystem::Remove(const std::string& path) {
    return files.erase(path) ? FileStatus::Ok() : FileStatus::Error("No such file or directory");
}

FileStatus MemFileSystem::SyncFolderOf(const std::string&) {
    return FileStatus::Ok();
}

}  // namespace vk::test
