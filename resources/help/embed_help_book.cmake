# Writes the bytes of INPUT as the C++ array behind gui/ui/help_book_data.h into OUTPUT.
file(READ ${INPUT} hex HEX)
string(LENGTH "${hex}" hex_length)
math(EXPR size "${hex_length} / 2")
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
# Twenty-four bytes to a line.
string(REGEX REPLACE "((0x..,){24})" "\\1\n    " bytes "${bytes}")
file(WRITE ${OUTPUT}
     "// Generated from resources/help by embed_help_book.cmake: do not edit.\n"
     "// clang-format off\n"
     "#include \"gui/ui/help_book_data.h\"\n\n"
     "namespace vk::help_data {\n\n"
     "const unsigned char kHelpBookZip[] = {\n    ${bytes}\n};\n"
     "const std::size_t kHelpBookZipSize = ${size};\n\n"
     "}  // namespace vk::help_data\n")
