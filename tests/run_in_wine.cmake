# Runs every unit test in one Wine process, and says so when Wine did not
# start the program at all (it printed nothing), trying once more then: a
# launch that failed is no test that failed.
#   cmake -DEXE=<unit_tests.exe> -P run_in_wine.cmake
cmake_minimum_required(VERSION 3.25)
foreach(attempt 1 2)
  execute_process(COMMAND wine "${EXE}" --gtest_brief=1 RESULT_VARIABLE code OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(out MATCHES "\\[==========\\]")
    break()
  endif()
  message(WARNING "Wine did not start ${EXE} (launch ${attempt}, exit code ${code}): ${err}")
endforeach()
message("${out}")
if(NOT code EQUAL 0)
  message(FATAL_ERROR "unit tests under Wine: exit code ${code}\n${err}")
endif()
