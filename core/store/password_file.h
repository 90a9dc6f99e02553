#pragma once
#include <memory>
#include <optional>
#include <string>

#include "core/shell/user_prompt.h"
#include "core/store/blowfish.h"
#include "core/store/password_store.h"

namespace vk {

class CFolderTree;
class IDateFormat;
class IFileSystem;

// Reads a password file into the store and writes the store back. Every failure is shown
// through the prompt, once, and reported as 0.
class CPasswordFile {
  public:
    CPasswordFile(IFileSystem& fileSystem, IUserPrompt& prompt, IDateFormat& dates);
    ~CPasswordFile();

    // Writes every live folder in the tree's display order, recomputing each folder's path
    // from the tree. The old file is replaced in one step only after the new one is safely
    // on disk; on any failure it stays as it was. 1 when written, 0 otherwise.
    int Save(CPasswordStore& store, const CFolderTree& tree);
    // The same, in the order of the store's own folder paths.
    int Save(CPasswordStore& store);

    // 1 when the whole file was read, 0 on failure or when the password was not given.
    // When the user picks another file while asked for the password, loads that one instead.
    int Load(CPasswordStore& store);

    // A new file holding only the reminder and check block (nothing when unprotected).
    int Create(CPasswordStore& store);

    // Loads keep the date texts as the file stores them instead of writing them anew from the
    // dates, so a tool that changes a few records leaves every other one byte for byte.
    bool keepStoredDateTexts = false;

  private:
    class Writer;
    int LoadOnce(CPasswordStore& store);
    int Write(CPasswordStore& store, const CFolderTree* tree, bool headerOnly);
    // The cipher keyed with `password`, keyed again only when the password changed.
    const CBlowfish& CipherFor(const SecretString& password);
    void ShowFileError(const char* what, const std::string& systemText, const std::string& path);

    IFileSystem& fs_;
    IUserPrompt& prompt_;
    IDateFormat& dates_;
    std::optional<CBlowfish> cipher_;
    SecretString cipherPassword_;
};

// Whether the store's blocks go through the cipher.
inline bool StoreIsEnciphered(const CPasswordStore& store) {
    return store.encrypted && !store.masterPassword.empty();
}

}  // namespace vk
