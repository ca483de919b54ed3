# SQLite for the schedule file. Linux links the system library; the Windows builds
# compile Debian's one-file source (made by scripts/bootstrap.sh into a cache outside
# the tree) into a static library, once per build folder.
if(WIN32)
  if(DEFINED ENV{DUSK_CACHE})
    set(dusk_sqlite_default "$ENV{DUSK_CACHE}/sqlite")
  else()
    set(dusk_sqlite_default "$ENV{HOME}/.cache/dusklatch/sqlite")
  endif()
  set(DUSK_SQLITE_DIR "${dusk_sqlite_default}" CACHE PATH "Folder holding sqlite3.c and sqlite3.h")
  if(NOT EXISTS "${DUSK_SQLITE_DIR}/sqlite3.c" OR NOT EXISTS "${DUSK_SQLITE_DIR}/sqlite3.h")
    message(FATAL_ERROR "No SQLite source in ${DUSK_SQLITE_DIR}: run scripts/bootstrap.sh")
  endif()
  add_library(dusk_sqlite STATIC "${DUSK_SQLITE_DIR}/sqlite3.c")
  target_include_directories(dusk_sqlite SYSTEM PUBLIC "${DUSK_SQLITE_DIR}")
  # Windows 2000/XP: no WAL (it needs newer shared-memory calls), no extension loading,
  # the Win32 calls of that era only (the build defines _WIN32_WINNT for XP).
  target_compile_definitions(dusk_sqlite PRIVATE
    SQLITE_OMIT_WAL SQLITE_OMIT_LOAD_EXTENSION SQLITE_OMIT_DEPRECATED
    SQLITE_DEFAULT_MEMSTATUS=0 SQLITE_DQS=0)
  # Not our code: its warnings are not ours to fix.
  target_compile_options(dusk_sqlite PRIVATE -w -O2)
else()
  find_package(SQLite3 REQUIRED)
  add_library(dusk_sqlite INTERFACE)
  target_link_libraries(dusk_sqlite INTERFACE SQLite::SQLite3)
endif()
target_link_libraries(dusk_logic PUBLIC dusk_sqlite)
