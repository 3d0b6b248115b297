cmake_minimum_required(VERSION 3.25)
# Runs one golden transcript: arguments from CASE.args (one per line; the word
# @PROGRAM_DIR@ is replaced by the program folder, @FIXTURE_DIR@ by the folder
# of the fixture rules file), stdin from CASE.stdin when
# present, and compares stdout plus the exit status with CASE.expected.
cmake_policy(SET CMP0053 NEW)  # @PROGRAM_DIR@ below is a literal, not a variable reference
file(STRINGS ${CASE}.args raw_args)
set(args "")
foreach(a ${raw_args})
  string(REPLACE "@PROGRAM_DIR@" "${PROGRAM_DIR}" a "${a}")
  string(REPLACE "@FIXTURE_DIR@" "${FIXTURE_DIR}" a "${a}")
  list(APPEND args "${a}")
endforeach()
set(input_opt "")
if(EXISTS ${CASE}.stdin)
  set(input_opt INPUT_FILE ${CASE}.stdin)
endif()
execute_process(COMMAND ${CLI} ${args} ${input_opt}
  OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE rc)
set(actual "${out}exit=${rc}\n")
file(READ ${CASE}.expected expected)
if(NOT actual STREQUAL expected)
  message(FATAL_ERROR "transcript differs for ${CASE}\n--- expected\n${expected}--- actual\n${actual}--- stderr\n${err}")
endif()
