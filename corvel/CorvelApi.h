// Symbol visibility of the shared utility library. Everything in Corvel is
// hidden except what carries CORVEL_API: the CCorvel class, the combo box
// interface and the C exports.
#pragma once

#if defined(_WIN32)
#if defined(CORVEL_BUILD)
#define CORVEL_API __declspec(dllexport)
#else
#define CORVEL_API __declspec(dllimport)
#endif
#else
#define CORVEL_API __attribute__((visibility("default")))
#endif
