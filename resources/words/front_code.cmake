# Front-codes the word list for the program: cmake -DWORDS=<words.txt> -DOUTPUT=<file.cpp> -P
#
# Each word becomes an entry of three parts: how many leading characters it shares with the
# word before it (one byte), how many characters follow (one byte), and those characters.
# Two zero bytes end the list. The words' properties are checked first; a list that breaks
# one stops the build, so the program never carries a list its reader would misread.
cmake_minimum_required(VERSION 3.20)

set(WORD_COUNT 971)
set(FIRST_WORDS able about)
set(LAST_WORD your)

function(fail message)
  message(FATAL_ERROR "${WORDS}: ${message}")
endfunction()

file(READ "${WORDS}" text)
# Only a to z, the apostrophe and line feeds: then no character means anything to CMake's
# lists either.
string(REGEX MATCH "[^a-z'\n]" stray "${text}")
if(NOT stray STREQUAL "")
  fail("holds a character other than a to z, an apostrophe or a line end: '${stray}'")
endif()
if(NOT text MATCHES "\n$")
  fail("the last line has no line end")
endif()
string(REGEX REPLACE "\n$" "" text "${text}")
string(REPLACE "\n" ";" words "${text}")

list(LENGTH words count)
if(NOT count EQUAL WORD_COUNT)
  fail("${count} words instead of ${WORD_COUNT}")
endif()
list(GET words 0 first)
list(GET words 1 second)
list(GET words -1 last)
if(NOT "${first};${second}" STREQUAL "${FIRST_WORDS}" OR NOT last STREQUAL LAST_WORD)
  fail("the list must start with ${FIRST_WORDS} and end with ${LAST_WORD}")
endif()

set(bytes "")
set(previous "")
foreach(word IN LISTS words)
  string(LENGTH "${word}" length)
  if(length LESS 3 OR length GREATER 10)
    fail("'${word}' is not 3 to 10 characters long")
  endif()
  if(NOT word MATCHES "^[a-z][a-z']*[a-z]$")
    fail("'${word}' has an apostrophe at its start or end")
  endif()
  if(NOT previous STREQUAL "" AND NOT word STRGREATER previous)
    fail("'${word}' does not follow '${previous}' in ascending order (or repeats it)")
  endif()

  string(LENGTH "${previous}" previousLength)
  set(shared 0)
  while(shared LESS length AND shared LESS previousLength)
    string(SUBSTRING "${word}" ${shared} 1 a)
    string(SUBSTRING "${previous}" ${shared} 1 b)
    if(NOT a STREQUAL b)
      break()
    endif()
    math(EXPR shared "${shared} + 1")
  endwhile()
  math(EXPR fresh "${length} - ${shared}")
  string(SUBSTRING "${word}" ${shared} -1 tail)
  string(HEX "${tail}" hex)
  string(REGEX REPLACE "(..)" "0x\\1, " hex "${hex}")
  string(APPEND bytes "    ${shared}, ${fresh}, ${hex}// ${word}\n")
  set(previous "${word}")
endforeach()

file(WRITE "${OUTPUT}.tmp"
"// Made by resources/words/front_code.cmake from resources/words/words.txt: do not edit.
#include \"core/tools/word_list_data.h\"

namespace vk {

const unsigned char kWordListData[] = {
${bytes}    0, 0,  // the end of the list
};
const std::size_t kWordListDataBytes = sizeof(kWordListData);

}  // namespace vk
")
file(RENAME "${OUTPUT}.tmp" "${OUTPUT}")
