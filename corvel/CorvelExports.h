/*
 * The plain C exports of the shared utility library, for whoever opens it by
 * path (the program's host side) rather than linking it (the plug-ins).
 */
#ifndef ORVANE_CORVEL_CORVELEXPORTS_H
#define ORVANE_CORVEL_CORVELEXPORTS_H

#include "corvel/CorvelApi.h"

#ifdef __cplusplus
extern "C" {
#endif

/* Message box style bits Corvel and the plug-ins use. */
enum {
  CORVEL_MB_PLAIN = 0,
  CORVEL_MB_ICON_STOP = 0x10,
  CORVEL_MB_ICON_QUESTION = 0x20,
  CORVEL_MB_ICON_EXCLAMATION = 0x30,
  CORVEL_MB_ICON_INFORMATION = 0x40,
  CORVEL_MB_ICON_MASK = 0xF0
};

/* The "OK" result of a message box. */
enum { CORVEL_IDOK = 1 };

/* Receives every message box of Corvel and of the plug-ins that use it; its
   result is the message box result. Called on the thread that shows the
   message. */
typedef int (*CorvelMessageSink)(const char* text, unsigned style, unsigned helpId, void* context);

/* Installs the sink for the whole process; a null sink restores the default,
   which writes the text to standard error and answers CORVEL_IDOK. The host
   sets it right after opening the library, before any plug-in runs. */
CORVEL_API void CorvelSetMessageSink(CorvelMessageSink sink, void* context);

/* Whether addresses of the first PLC (manufacturer, model) can be converted
   from the second; one byte, 0 or 1. Never shows a message. */
CORVEL_API unsigned char IsConvertiblePLC(int firstManufacturer, int firstModel,
                                          int secondManufacturer, int secondModel);

typedef void (*CorvelSetMessageSinkFn)(CorvelMessageSink sink, void* context);
typedef unsigned char (*IsConvertiblePLCFn)(int, int, int, int);

#define CORVEL_SYM_SET_MESSAGE_SINK "CorvelSetMessageSink"
#define CORVEL_SYM_IS_CONVERTIBLE "IsConvertiblePLC"

#ifdef __cplusplus
}
#endif

#endif /* ORVANE_CORVEL_CORVELEXPORTS_H */
