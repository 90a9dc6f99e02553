#pragma once
#include <cstddef>
#include <cstdint>

#include "core/store/password_store.h"

// The password file: a flat run of blocks, each a 4-byte little-endian tag (an ASCII letter)
// and a body whose size the tag fixes. No header, no length fields, no end marker.
namespace vk::file_layout {

enum Tag : std::uint32_t {
    kVersion = 'V',
    kReminder = 'P',
    kCheck = 'M',
    kFolderSearch = 'S',
    kItemSearch = 'U',
    kFolder = 'F',
    kRecord = 'R',
    kEnd = 'X',
};

constexpr std::size_t kTagBytes = 4;
constexpr std::size_t kVersionBytes = 4;
constexpr std::size_t kReminderBytes = 32;
constexpr std::size_t kCheckBytes = 80;
constexpr std::size_t kHistoryBytes = 16;
constexpr std::size_t kFolderBytes = 264;
constexpr std::size_t kFolderPathBytes = 260;
constexpr std::size_t kFolderPathReadBytes = 259;  // the last path byte always reads as zero
constexpr std::size_t kRecordBytes = 1736;
constexpr std::size_t kHistoryEntriesSaved = 5;
constexpr char kVersionText = '3';

// Where each field lives inside a record body: not in field order.
struct Slot {
    int field;
    std::size_t offset;
    std::size_t size;
};
inline constexpr Slot kRecordSlots[kFieldCount] = {
    {kDescription, 0, 32}, {kPassword, 32, 64},      {kUsername, 96, 32},     {kTitle, 128, 32},
    {kSerial, 160, 64},    {kCreditCard, 224, 24},   {kBank, 248, 32},        {kAccount, 280, 32},
    {kPhone, 312, 24},     {kDateAssigned, 336, 12}, {kDateExpires, 348, 12}, {kUrl, 360, 64},
    {kEmail, 424, 256},    {kNotes, 680, 1024},
};
constexpr std::size_t kDateAssignedOffset = 1704;
constexpr std::size_t kDateExpiresOffset = 1720;

// The number of bytes a file keeps of each field, by field index.
std::size_t FieldSlotBytes(int field);

}  // namespace vk::file_layout
