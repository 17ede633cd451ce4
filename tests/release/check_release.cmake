# What a Windows user gets with tastrel.exe: every DLL it imports is one that
# Windows itself ships (a static build must not need the compiler's runtime
# DLLs), it carries its icon, and its version resource names the version the
# program shows in its "ﾊﾞｰｼﾞｮﾝ" box.
#   cmake -DOBJDUMP=... -DWINDRES=... -DVERSION_HEADER=src/core/version_numbers.h -DEXE=... -P check_release.cmake
cmake_minimum_required(VERSION 3.25)
set(windows_own kernel32.dll user32.dll gdi32.dll comctl32.dll comdlg32.dll msvcrt.dll advapi32.dll
    shell32.dll ole32.dll version.dll imm32.dll uxtheme.dll)
execute_process(COMMAND "${OBJDUMP}" -p "${EXE}" OUTPUT_VARIABLE dump RESULT_VARIABLE failed)
string(REGEX MATCHALL "DLL Name: [^\r\n]+" entries "${dump}")
if(failed OR NOT entries)
  message(FATAL_ERROR "no imports found in ${EXE}")
endif()
foreach(entry IN LISTS entries)
  string(REPLACE "DLL Name: " "" dll "${entry}")
  string(TOLOWER "${dll}" dll)
  if(NOT dll IN_LIST windows_own)
    message(FATAL_ERROR "${EXE} imports ${dll}, which Windows does not ship")
  endif()
endforeach()

execute_process(COMMAND "${WINDRES}" -i "${EXE}" -O rc OUTPUT_VARIABLE resources RESULT_VARIABLE failed)
file(STRINGS "${VERSION_HEADER}" version REGEX "TASTREL_VERSION_TEXT")
string(REGEX REPLACE ".*\"(.*)\".*" "\\1" version "${version}")
if(failed OR NOT resources MATCHES "\n1 14 /\\* RT_GROUP_ICON \\*/")
  message(FATAL_ERROR "${EXE} carries no icon 1")
endif()
if(NOT resources MATCHES "BLOCK \"041104B0\"[^}]*VALUE \"ProductVersion\", \"${version}\"")
  message(FATAL_ERROR "${EXE}'s version resource does not name version ${version}")
endif()
message(STATUS "imports only Windows' own DLLs, icon 1, version ${version}")
