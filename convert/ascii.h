// Character classes as the C locale has them, whatever locale the process
// runs in: value texts never depend on the locale.
#pragma once

constexpr bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}
constexpr bool IsSpace(char c)
{
    return c == ' ' || (c >= '\t' && c <= '\r');
}
