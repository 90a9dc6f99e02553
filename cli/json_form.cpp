#include "cli/json_form.h"

#include <limits>
#include <string>

#include "core/shell/text_encoding.h"
#include "core/store/file_layout.h"
#include "core/store/password_check.h"

namespace vk::cli {
namespace {

Json DateToJson(const SystemTime& t) {
    return Json::array(
        {t.year, t.month, t.dayOfWeek, t.day, t.hour, t.minute, t.second, t.milliseconds});
}

Json TextList(const std::vector<std::string>& list) {
    Json out = Json::array();
    for (const auto& s : list) out.push_back(TextAsUtf8(s));
    return out;
}

[[noreturn]] void Fail(const std::string& where, const std::string& what) {
    throw JsonFormError("Invalid JSON password file: " + where + " " + what + ".");
}

const Json& Member(const Json& object, const char* key, const std::string& where) {
    auto it = object.find(key);
    if (it == object.end()) Fail(where, std::string("has no \"") + key + "\"");
    return *it;
}

std::string Text(const Json& value, const std::string& where) {
    if (!value.is_string()) Fail(where, "must be a string");
    return value.get<std::string>();
}

// A text the file keeps whole: at most `maxBytes` bytes and no NUL, which would end it early.
std::string SlotText(const Json& value, const std::string& where, std::size_t maxBytes) {
    std::string text = Text(value, where);
    if (text.find('\0') != std::string::npos) Fail(where, "contains a NUL character");
    if (text.size() > maxBytes)
        Fail(where, "is longer than " + std::to_string(maxBytes) + " bytes");
    return text;
}

std::vector<std::string> TextArray(const Json& value, const std::string& where) {
    if (!value.is_array()) Fail(where, "must be an array of strings");
    std::vector<std::string> out;
    for (std::size_t i = 0; i < value.size(); ++i)
        out.push_back(Text(value[i], where + "[" + std::to_string(i) + "]"));
    return out;
}

SystemTime DateFromJson(const Json& value, const std::string& where) {
    if (!value.is_array() || value.size() != 8) Fail(where, "must be an array of 8 numbers");
    std::uint16_t w[8];
    for (std::size_t i = 0; i < 8; ++i) {
        const Json& v = value[i];
        if (!v.is_number_integer() || v.get<long long>() < 0 || v.get<long long>() > 65535)
            Fail(where, "must hold numbers from 0 to 65535");
        w[i] = static_cast<std::uint16_t>(v.get<long long>());
    }
    return SystemTime{w[0], w[1], w[2], w[3], w[4], w[5], w[6], w[7]};
}

}  // namespace

Json StoreToJson(const CPasswordStore& store) {
    Json folders = Json::array();
    // In file order: a file written by the program holds its folders in tree order.
    for (const CFolder& folder : store.folders) {
        if (!folder.inUse) continue;
        Json records = Json::array();
        for (const CRecord& record : folder.records) {
            Json fields = Json::array();
            for (const auto& f : record.fields) fields.push_back(TextAsUtf8(f));
            records.push_back(Json{{"fields", std::move(fields)},
                                   {"dateAssigned", DateToJson(record.dateAssigned)},
                                   {"dateExpires", DateToJson(record.dateExpires)}});
        }
        folders.push_back(Json{{"path", TextAsUtf8(folder.path)},
                               {"category", folder.category},
                               {"records", std::move(records)}});
    }
    return Json{{"version", "3"},
                {"encrypted", store.encrypted},
                {"reminder", TextAsUtf8(store.reminder)},
                {"folderHistory", TextList(store.folderHistory)},
                {"itemHistory", TextList(store.itemHistory)},
                {"folders", std::move(folders)}};
}

void StoreFromJson(const Json& json, CPasswordStore& store) {
    if (!json.is_object()) Fail("the document", "must be an object");
    const std::string version = Text(Member(json, "version", "the document"), "\"version\"");
    if (version != "3") Fail("\"version\"", "must be \"3\"");
    const Json& encrypted = Member(json, "encrypted", "the document");
    if (!encrypted.is_boolean()) Fail("\"encrypted\"", "must be true or false");
    store.encrypted = encrypted.get<bool>();
    store.reminder = json.contains("reminder")
                         ? SlotText(json["reminder"], "\"reminder\"", file_layout::kReminderBytes)
                         : "";
    store.folderHistory = json.contains("folderHistory")
                              ? TextArray(json["folderHistory"], "\"folderHistory\"")
                              : std::vector<std::string>{};
    store.itemHistory = json.contains("itemHistory")
                            ? TextArray(json["itemHistory"], "\"itemHistory\"")
                            : std::vector<std::string>{};
    const Json& folders = Member(json, "folders", "the document");
    if (!folders.is_array()) Fail("\"folders\"", "must be an array");
    store.folders.clear();
    for (std::size_t i = 0; i < folders.size(); ++i) {
        const std::string where = "folders[" + std::to_string(i) + "]";
        const Json& f = folders[i];
        if (!f.is_object()) Fail(where, "must be an object");
        const std::string path =
            SlotText(Member(f, "path", where), where + ".path", file_layout::kFolderPathReadBytes);
        if (path.empty()) Fail(where + ".path", "must not be empty");
        const Json& category = Member(f, "category", where);
        if (!category.is_number_integer() ||
            category.get<long long>() < std::numeric_limits<std::int32_t>::min() ||
            category.get<long long>() > std::numeric_limits<std::int32_t>::max())
            Fail(where + ".category", "must be a 32-bit whole number");
        CFolder& folder = store.folders[static_cast<std::size_t>(
            store.AddFolder(path, static_cast<std::int32_t>(category.get<long long>())))];
        const Json& records = Member(f, "records", where);
        if (!records.is_array()) Fail(where + ".records", "must be an array");
        for (std::size_t r = 0; r < records.size(); ++r) {
            const std::string rw = where + ".records[" + std::to_string(r) + "]";
            const Json& rec = records[r];
            if (!rec.is_object()) Fail(rw, "must be an object");
            const Json& fields = Member(rec, "fields", rw);
            if (!fields.is_array() || fields.size() != kFieldCount)
                Fail(rw + ".fields", "must hold 14 strings");
            CRecord record;
            for (int k = 0; k < kFieldCount; ++k) {
                // The whole slot, as a file read back holds it: a text that fills its slot
                // is kept without a closing zero, and export must be able to bring it back.
                record[k] = SlotText(fields[static_cast<std::size_t>(k)],
                                     rw + ".fields[" + std::to_string(k) + "]",
                                     file_layout::FieldSlotBytes(k));
            }
            record.dateAssigned =
                DateFromJson(Member(rec, "dateAssigned", rw), rw + ".dateAssigned");
            record.dateExpires = DateFromJson(Member(rec, "dateExpires", rw), rw + ".dateExpires");
            folder.records.push_back(std::move(record));
        }
    }
}

}  // namespace vk::cli
