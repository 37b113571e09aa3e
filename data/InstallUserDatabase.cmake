# cmake -DSHIPPED=<shipped database> -DUSER=<user's database> -P InstallUserDatabase.cmake
#
# Makes the user's database as a copy of the shipped one when, and only when, it is missing. The
# copy is written under a name of its own and then linked into place without replacing anything,
# so the user's file is never overwritten, and never seen half written.
if(NOT SHIPPED OR NOT USER)
  message(FATAL_ERROR "InstallUserDatabase: SHIPPED and USER must be given")
endif()
if(EXISTS "${USER}" OR IS_SYMLINK "${USER}")
  return()
endif()
# A partial copy left by a build that was stopped is made again.
set(partial "${USER}.partial")
file(REMOVE "${partial}")
file(COPY_FILE "${SHIPPED}" "${partial}")
file(RENAME "${partial}" "${USER}" NO_REPLACE RESULT result)
if(NOT result STREQUAL "0" AND NOT result STREQUAL "NO_REPLACE" AND NOT EXISTS "${USER}")
  # A file system without hard links: a plain rename, the file having been missing just now.
  file(RENAME "${partial}" "${USER}")
  set(result 0)
endif()
file(REMOVE "${partial}")
if(result STREQUAL "0")
  message(STATUS "Made ${USER} from the shipped database")
endif()
