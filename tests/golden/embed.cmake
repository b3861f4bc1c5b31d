# cmake -DIN=file -DOUT=file.inc -P embed.cmake: the bytes of IN as a list of
# hex literals, to be included into an unsigned char array.
file(READ ${IN} hex HEX)
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
string(REGEX REPLACE "((0x..,){16})" "\\1\n" bytes "${bytes}")
file(WRITE ${OUT} "${bytes}\n")
