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
string(RANDOM LENGTH 8 suffix)
set(partial "${USER}.${suffix}.partial")
file(COPY_FILE "${SHIPPED}" "${partial}")
file(RENAME "${partial}" "${USER}" NO_REPLACE RESULT result)
file(REMOVE "${partial}")
if(result STREQUAL "NO_REPLACE")
  return()  # made meanwhile by another build: it stays as it is
elseif(NOT result STREQUAL "0")
  message(FATAL_ERROR "InstallUserDatabase: cannot make ${USER}: ${result}")
endif()
message(STATUS "Made ${USER} from the shipped database")
