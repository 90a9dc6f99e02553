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
    MemWriteFile(MemFileSystem& fs, std::string path) : fs_(fs), path_(std::move(path)) {
        fs_.writing.insert(path_);
    }
    ~MemWriteFile() override { fs_.writing.erase(path_); }
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

std::unique_ptr<IWriteFile> MemFileSystem::CreateSecretTempBeside(const std::string& target,
                                                                  std::string* tempPath,
                                                                  FileStatus* status) {
    auto file = CreateTempBeside(target, tempPath, status);
    if (file) access[*tempPath] = TempAccess::kOwnerOnly;
    return file;
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
    access[*tempPath] = TempAccess::kLikeTarget;
    *status = FileStatus::Ok();
    return std::make_unique<MemWriteFile>(*this, *tempPath);
}

FileStatus MemFileSystem::Rename(const std::string& from, const std::string& to) {
    if (++renames == failRenameAt) return FileStatus::Error("Input/output error");
    auto it = files.find(from);
    if (it == files.end()) return FileStatus::Error("No such file or directory");
    files[to] = std::move(it->second);
    files.erase(from);
    if (access.count(from)) access[to] = access[from];
    access.erase(from);
    return FileStatus::Ok();
}

void MemFileSystem::RemoveLeftoverTemps(const std::string& target) {
    const std::string prefix = target + ".tmp";
    for (auto it = files.lower_bound(prefix); it != files.end();) {
        const std::string& name = it->first;
        if (name.compare(0, prefix.size(), prefix) != 0) break;
        const std::string number = name.substr(prefix.size());
        const bool temp = !number.empty() && number.size() <= 6 &&
                          number.find_first_not_of("0123456789") == std::string::npos;
        it = temp && !writing.count(name) ? files.erase(it) : std::next(it);
    }
}

FileStatus MemFileSystem::Remove(const std::string& path) {
    return files.erase(path) ? FileStatus::Ok() : FileStatus::Error("No such file or directory");
}

FileStatus MemFileSystem::SyncFolderOf(const std::string&) {
    return FileStatus::Ok();
}

}  // namespace vk::test
