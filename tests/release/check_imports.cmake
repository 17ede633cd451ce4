# Fails unless every DLL the program imports is one that Windows itself
# ships: a static build must not need the compiler's runtime DLLs.
#   cmake -DOBJDUMP=... -DEXE=... -P check_imports.cmake
cmake_minimum_required(VERSION 3.25)
set(windows_own kernel32.dll user32.dll gdi32.dll comctl32.dll comdlg32.dll msvcrt.dll advapi32.dll
    shell32.dll ole32.dll version.dll imm32.dll uxtheme.dll)
execute_process(COMMAND "${OBJDUMP}" -p "${EXE}" OUTPUT_VARIABLE dump RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "objdump could not read ${EXE}")
endif()
string(REGEX MATCHALL "DLL Name: [^\r\n]+" entries "${dump}")
if(NOT entries)
  message(FATAL_ERROR "no imports found in ${EXE}")
endif()
foreach(entry IN LISTS entries)
  string(REPLACE "DLL Name: " "" dll "${entry}")
  string(TOLOWER "${dll}" dll)
  if(NOT dll IN_LIST windows_own)
    message(FATAL_ERROR "${EXE} imports ${dll}, which Windows does not ship")
  endif()
  message(STATUS "imports ${dll}")
endforeach()
