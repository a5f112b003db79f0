# cmake -DLICENSE=FILE -DOUTPUT=FILE -P DebianCopyright.cmake: writes the package's copyright file in
# Debian's machine-readable format, with the licence's own text from the LICENSE file so the two never
# drift apart. Debian's format calls the MIT licence "Expat", because "MIT" names several licences.
file(READ ${LICENSE} text)
string(FIND "${text}" "Permission is hereby granted" start)
if(start EQUAL -1 OR NOT text MATCHES "Copyright \\(c\\) ")
    message(FATAL_ERROR "${LICENSE} holds no MIT licence text")
endif()
string(REGEX MATCH "Copyright \\(c\\) ([^\n]*)" holder "${text}")
set(holder ${CMAKE_MATCH_1})
string(SUBSTRING "${text}" ${start} -1 terms)
string(STRIP "${terms}" terms)
# Each line indented by one space, an empty one written as " .", as the format's paragraphs need.
string(REPLACE "\n\n" "\n.\n" terms "${terms}")
string(REPLACE "\n" "\n " terms "${terms}")
file(WRITE ${OUTPUT} "Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/
Upstream-Name: Quillmere
Upstream-Contact: Quillmere developers <developers@quillmere.org>
Source: https://quillmere.org

Files: *
Copyright: ${holder}
License: Expat

License: Expat
 ${terms}
")
