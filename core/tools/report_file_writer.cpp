#include "core/tools/report_file_writer.h"

namespace vk {

FileStatus WriteOwnerOnlyFile(IFileSystem& fs, const std::string& path,
                              const std::function<FileStatus(IWriteFile&)>& write) {
    std::string tempPath;
    FileStatus status;
    auto file = fs.CreateSecretTempBeside(path, &tempPath, &status);
    if (!file) return status;
    status = write(*file);
    if (status.ok()) status = file->Sync();
    const FileStatus closed = file->Close();
    if (status.ok()) status = closed;
    file.reset();
    if (status.ok()) status = fs.Rename(tempPath, path);
    if (!status.ok()) {
        fs.Remove(tempPath);
        return status;
    }
    // The new file is in place; a failure to make the rename durable loses nothing now.
    fs.SyncFolderOf(path);
    return status;
}

}  // namespace vk
