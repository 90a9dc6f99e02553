# The generator's word list, front-coded from words.txt while the core is built and compiled
# into it. Included by core/CMakeLists.txt; adds the generated source to vk_core.
set(VK_WORDS_TEXT ${VK_ROOT}/resources/words/words.txt)
set(VK_WORDS_CODER ${VK_ROOT}/resources/words/front_code.cmake)
set(VK_WORDS_SOURCE ${CMAKE_BINARY_DIR}/generated/word_list_data.cpp)
add_custom_command(
  OUTPUT ${VK_WORDS_SOURCE}
  COMMAND ${CMAKE_COMMAND} -DWORDS=${VK_WORDS_TEXT} -DOUTPUT=${VK_WORDS_SOURCE} -P ${VK_WORDS_CODER}
  DEPENDS ${VK_WORDS_TEXT} ${VK_WORDS_CODER}
  COMMENT "Front-coding the word list"
  VERBATIM)
target_sources(vk_core PRIVATE ${VK_WORDS_SOURCE})
