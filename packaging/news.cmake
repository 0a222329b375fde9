# Reads the release notes (NEWS) into what a distribution shows of them:
#   anod_read_news(NEWS_FILE VERSION MAINTAINER)
# sets, in the caller's scope,
#   ANOD_RELEASE_DATE      the date of VERSION's entry, "2026-12-08"
#   ANOD_RELEASES_XML      the metainfo's <release> elements, newest first
#   ANOD_DEBIAN_CHANGELOG  the Debian changelog, one entry per release
# An entry is a heading "Anodisation 1.0.0 (2026-12-08)" over its items, each
# "- text" with continuation lines indented by two spaces. The newest entry
# must be VERSION: a version raised in CMakeLists.txt without its notes stops
# the build here.
function(anod_read_news news version maintainer)
  file(STRINGS ${news} lines ENCODING UTF-8)
  set(releases)
  set(current)
  foreach(line IN LISTS lines)
    if(line MATCHES "^Anodisation ([0-9]+\\.[0-9]+\\.[0-9]+) \\(([0-9]+-[0-9]+-[0-9]+)\\)$")
      set(current ${CMAKE_MATCH_1})
      list(APPEND releases ${current})
      set(date_${current} ${CMAKE_MATCH_2})
      set(items_${current})
    elseif(current AND line MATCHES "^- (.*)$")
      list(APPEND items_${current} "${CMAKE_MATCH_1}")
    elseif(current AND line MATCHES "^  (.*)$")
      list(POP_BACK items_${current} item)
      list(APPEND items_${current} "${item}\n${CMAKE_MATCH_1}")
    endif()
  endforeach()
  list(GET releases 0 newest)
  if(NOT newest STREQUAL version)
    message(FATAL_ERROR "while reading ${news}: its newest entry is ${newest}, not ${version}: "
                        "add \"Anodisation ${version} (YYYY-MM-DD)\" and what changed")
  endif()

  set(xml)
  set(changelog)
  foreach(release IN LISTS releases)
    # The Debian changelog wants the day in RFC 2822 form; noon UTC, as the
    # notes give no hour.
    execute_process(COMMAND date -u -R -d "${date_${release}} 12:00:00"
                    OUTPUT_VARIABLE rfc2822 OUTPUT_STRIP_TRAILING_WHITESPACE RESULT_VARIABLE status)
    if(NOT status EQUAL 0)
      message(FATAL_ERROR "while reading ${news}: the date of ${release} is not a date: ${date_${release}}")
    endif()
    string(APPEND xml "    <release version=\"${release}\" date=\"${date_${release}}\">\n"
                      "      <description>\n        <ul>\n")
    string(APPEND changelog "anodisation (${release}) unstable; urgency=medium\n\n")
    foreach(item IN LISTS items_${release})
      string(REPLACE "&" "&amp;" text "${item}")
      string(REPLACE "<" "&lt;" text "${text}")
      string(REPLACE ">" "&gt;" text "${text}")
      string(REPLACE "\n" " " text "${text}")
      string(APPEND xml "          <li>${text}</li>\n")
      string(REPLACE "\n" "\n    " text "${item}")
      string(APPEND changelog "  * ${text}\n")
    endforeach()
    string(APPEND xml "        </ul>\n      </description>\n    </release>\n")
    string(APPEND changelog "\n -- ${maintainer}  ${rfc2822}\n\n")
  endforeach()
  string(STRIP "${xml}" xml)
  string(REGEX REPLACE "\n+$" "\n" changelog "${changelog}")
  set(ANOD_RELEASE_DATE ${date_${version}} PARENT_SCOPE)
  set(ANOD_RELEASES_XML "${xml}" PARENT_SCOPE)
  set(ANOD_DEBIAN_CHANGELOG "${changelog}" PARENT_SCOPE)
endfunction()
