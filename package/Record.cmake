# The release's record, kept beside the zip: the version, the commit it was made from,
# SOURCE_DATE_EPOCH and the version of each package in package/debian-packages. Rewritten only
# when it changes. Warns when the tree has uncommitted changes, and when this machine's
# packages differ from the newest record in package/releases/.
#   cmake -DSOURCE=<dir> -DVERSION=<version> -DEPOCH=<seconds> -DOUTPUT=<file> -P Record.cmake
cmake_policy(VERSION 3.21)
file(STRINGS ${SOURCE}/package/debian-packages names REGEX "^[a-z0-9]")
execute_process(COMMAND dpkg-query -W "-f=\${Package} (= \${Version})\n" ${names}
  OUTPUT_VARIABLE installed OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
string(REPLACE "\n" ";" installed "${installed}")
list(REMOVE_DUPLICATES installed)  # a package installed for two architectures has one version
execute_process(COMMAND dpkg --print-architecture OUTPUT_VARIABLE arch
  OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)

# Only the sources' own checkout counts, not one that happens to hold them.
execute_process(COMMAND git -C ${SOURCE} rev-parse --show-toplevel HEAD
  OUTPUT_VARIABLE git OUTPUT_STRIP_TRAILING_WHITESPACE RESULT_VARIABLE no_git ERROR_QUIET)
file(REAL_PATH ${SOURCE} source)
string(REPLACE "\n" ";" git "${git};;")
list(GET git 0 top)
list(GET git 1 commit)
if(no_git OR NOT top STREQUAL source)
  set(commit "none (the sources are not a git checkout)")
else()
  execute_process(COMMAND git -C ${SOURCE} status --porcelain OUTPUT_VARIABLE changes)
  if(changes)
    string(APPEND commit " (with uncommitted changes)")
    message(WARNING "The tree has uncommitted changes: this release cannot be rebuilt from "
      "its commit, and its record says so.\n${changes}")
  endif()
endif()

list(JOIN installed ",\n " depends)
file(WRITE ${OUTPUT}.new "Source: velmora\nVersion: ${VERSION}\nCommit: ${commit}\n"
  "Build-Architecture: ${arch}\nEnvironment:\n SOURCE_DATE_EPOCH=\"${EPOCH}\"\n"
  "Installed-Build-Depends:\n ${depends}\n")
file(COPY_FILE ${OUTPUT}.new ${OUTPUT} ONLY_IF_DIFFERENT)
file(REMOVE ${OUTPUT}.new)

# The newest release's record against this machine, before anyone compares hashes.
file(GLOB records ${SOURCE}/package/releases/velmora-*.buildinfo)
set(newest 0)
foreach(record ${records})
  string(REGEX REPLACE ".*/velmora-(.*)\\.buildinfo$" "\\1" version ${record})
  if(version VERSION_GREATER newest)
    set(newest ${version})
  endif()
endforeach()
if(records)
  file(STRINGS ${SOURCE}/package/releases/velmora-${newest}.buildinfo recorded REGEX "^ [a-z0-9].* \\(= ")
  foreach(line ${installed})
    string(REGEX REPLACE " \\(= (.*)\\)$" ";\\1" line "${line}")
    list(GET line 0 name)
    list(GET line 1 here_${name})
  endforeach()
  set(differ "")
  foreach(line ${recorded})
    string(REGEX REPLACE "^ (.*) \\(= (.*)\\),?$" "\\1;\\2" line "${line}")
    list(GET line 0 name)
    list(GET line 1 version)
    if(NOT "${here_${name}}" STREQUAL "${version}")
      string(APPEND differ "\n  ${name}: ${version} in the record, ${here_${name}} here")
    endif()
  endforeach()
  if(differ)
    message(WARNING "This machine's packages differ from those of release ${newest} "
      "(package/releases/velmora-${newest}.buildinfo), so the exe or the zip may differ from "
      "the hashes in CHANGELOG.md:${differ}")
  endif()
endif()
