// The value format template, string 57359 of the resources. Only a #define,
// so that the resource compiler can read this file too.
#pragma once
#define VALUE_FORMAT_TEMPLATE "%%.%dlf %%s"
