# Cross build for Windows on 64-bit ARM with Zig's toolchain (clang, lld, libc++ and MinGW-w64's headers and C runtime
# for aarch64-windows-gnu), which scripts/deps installs into build/toolchains; Debian has no MinGW-w64 for ARM64.
# Everything is linked statically, as with MinGW-w64, so that the executable can be copied alone.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR ARM64)
get_filename_component(ZUDAV_ZIG_DIR "${CMAKE_CURRENT_LIST_DIR}/../build/toolchains/zig-0.11.0" ABSOLUTE)
if(NOT EXISTS "${ZUDAV_ZIG_DIR}/zig")
  message(FATAL_ERROR "No Zig toolchain in ${ZUDAV_ZIG_DIR}: run scripts/deps")
endif()
set(CMAKE_C_COMPILER "${CMAKE_CURRENT_LIST_DIR}/zig-cc")
set(CMAKE_CXX_COMPILER "${CMAKE_CURRENT_LIST_DIR}/zig-c++")
set(CMAKE_AR llvm-ar-14)
set(CMAKE_RANLIB llvm-ranlib-14)
# LLVM's windres (llvm-14's llvm-windres-14), from its own folder so that it preprocesses with the clang beside it, and
# with Zig's Windows headers.
set(CMAKE_RC_COMPILER /usr/lib/llvm-14/bin/llvm-windres)
set(CMAKE_RC_FLAGS_INIT "--target=aarch64-w64-mingw32 -I ${ZUDAV_ZIG_DIR}/lib/libc/include/any-windows-any")
# Zig's MinGW-w64 runtime has no wide start-up (its driver ignores -municode): it calls WinMain, which main.cpp then
# defines to call wWinMain.
set(ZUDAV_NARROW_STARTUP ON)
set(CMAKE_FIND_ROOT_PATH "${ZUDAV_ZIG_DIR}/lib/libc")
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
