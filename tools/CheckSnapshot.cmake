# Runs the snapshot tool into an empty directory and checks that it wrote every window's picture as a PNG
# of the window's client size: the menu strip, the six tool windows, the flask again at 200 % and the
# mixer again in English.
#
# cmake -DSNAPSHOT=... -DDIRECTORY=... -P CheckSnapshot.cmake
cmake_minimum_required(VERSION 3.25)

set(pictures
    menu.png:120:667
    form2-rgb.png:800:667
    form2-rgb-en.png:800:667
    form1-percent.png:800:667
    form3-overlap.png:800:667
    form4-square.png:800:667
    form5-flask.png:800:667
    form5-flask-200.png:1600:1334
    form6-photo.png:800:667)

file(REMOVE_RECURSE ${DIRECTORY})
execute_process(COMMAND ${SNAPSHOT} ${DIRECTORY} RESULT_VARIABLE status ERROR_VARIABLE errors)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "snapshot failed (${status}):\n${errors}")
endif()

file(GLOB written RELATIVE ${DIRECTORY} ${DIRECTORY}/*)
list(LENGTH written count)
list(LENGTH pictures expected)
if(NOT count EQUAL expected)
    message(FATAL_ERROR "snapshot wrote ${count} files, not ${expected}: ${written}")
endif()

foreach(picture ${pictures})
    string(REPLACE ":" ";" picture ${picture})
    list(GET picture 0 name)
    list(GET picture 1 width)
    list(GET picture 2 height)
    set(path ${DIRECTORY}/${name})
    if(NOT EXISTS ${path})
        message(FATAL_ERROR "missing: ${name}")
    endif()
    # The PNG signature, then the header chunk's length and type, then its width and height.
    file(READ ${path} header HEX LIMIT 24)
    string(SUBSTRING "${header}" 0 32 signature)
    if(NOT signature STREQUAL "89504e470d0a1a0a0000000d49484452")
        message(FATAL_ERROR "${name} is not a PNG")
    endif()
    string(SUBSTRING "${header}" 32 8 hexWidth)
    string(SUBSTRING "${header}" 40 8 hexHeight)
    math(EXPR actualWidth "0x${hexWidth}")
    math(EXPR actualHeight "0x${hexHeight}")
    if(NOT actualWidth EQUAL width OR NOT actualHeight EQUAL height)
        message(FATAL_ERROR "${name} is ${actualWidth} x ${actualHeight}, not ${width} x ${height}")
    endif()
endforeach()
