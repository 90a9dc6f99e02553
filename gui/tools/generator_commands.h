#pragma once
#include <optional>
#include <string>

class wxWindow;

namespace vk {

class CAppContext;
class CCommandTable;

// Where a generated password goes: onto the clipboard (cleared again after the delay the
// options set), or into the Password cell being edited, which the caller fills.
enum class GeneratorUse { kClipboard, kCellEditor };

// Shows "Generate password" modally. After OK: the password, already on the clipboard for
// kClipboard. Nothing after Cancel.
std::optional<std::string> RunPasswordGenerator(wxWindow* parent, CAppContext& context,
                                                GeneratorUse use);

// Tools "&Generate password...".
void AddGeneratorCommands(CCommandTable& commands, CAppContext& context, wxWindow* parent);

}  // namespace vk
