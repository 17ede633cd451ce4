#pragma once
// The version in one place for the program and its version resource, which
// the resource compilers read as plain preprocessor text.
#define TASTREL_VERSION_MAJOR 1
#define TASTREL_VERSION_MINOR 1
#define TASTREL_VERSION_PATCH 0
#define TASTREL_VERSION_TEXT "1.1.0"
