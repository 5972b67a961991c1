/*
 * The contract between the program and its PLC driver plug-ins.
 *
 * One header, shared by the host and every plug-in. Only C types cross the
 * boundary: plain records, fixed-size character arrays, pointers and
 * fixed-width integers. Every export has an undecorated C name; the host finds
 * each one by name with the platform loader at every call and never links a
 * plug-in.
 *
 * Rules both sides keep:
 *  - Results declared PlcBool are one byte: 0 false, 1 true.
 *  - Texts are NUL-terminated 8-bit strings. Paths are passed as const char*;
 *    the callee copies what it keeps.
 *  - A plug-in never writes more than the capacities below into a buffer the
 *    caller provides.
 *  - Map strings: ValidatePlc allocates the map string it returns in
 *    PlcAddress::mapString with its own allocator. The caller copies the
 *    mapLength bytes it needs into its own storage and then hands the buffer
 *    back to the same plug-in through its ReleaseMapString export, so the
 *    memory is always freed by the runtime that allocated it, whatever
 *    runtime each side uses. A host that finds no ReleaseMapString export
 *    keeps the buffer rather than free it with a foreign allocator.
 *  - ReBuildAddress and CompareMapStrings read PlcAddress::mapString from
 *    storage the caller owns; they never free or keep it.
 */
#ifndef ORVANE_PLCHOST_PLCCONTRACT_H
#define ORVANE_PLCHOST_PLCCONTRACT_H

#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

#if defined(_WIN32)
#define PLC_EXPORT __declspec(dllexport)
#else
#define PLC_EXPORT __attribute__((visibility("default")))
#endif

typedef unsigned char PlcBool;

enum {
  /* Plc_Name and PlcDetailsInfo::name, including the terminating NUL. */
  PLC_NAME_CAPACITY = 128,
  /* The other texts of PlcDetailsInfo, including the terminating NUL. */
  PLC_DETAIL_TEXT_CAPACITY = 64,
  /* The two buffers the caller passes to ReBuildAddress. */
  PLC_ADDRESS_TEXT_CAPACITY = 200,
  /* The largest map length a host accepts. The panel's tag list carries the
     map length in one byte, so nothing longer can reach a panel. */
  PLC_MAP_STRING_CAPACITY = 255
};

/* Access values of PlcAddress::access. */
enum { PLC_ACCESS_READ_WRITE = 0, PLC_ACCESS_READ_ONLY = 1, PLC_ACCESS_WRITE_ONLY = 2 };

/* The address record that ValidatePlc fills and that ReBuildAddress and
   CompareMapStrings read; owned by the caller. */
typedef struct PlcAddress {
  unsigned char* mapString; /* map-length bytes; see the map string rule above */
  int32_t access;           /* 0 read/write, 1 read only */
  int32_t isBit;            /* 1 when the address names a single bit */
  int32_t valid;            /* 1 after a successful ValidatePlc */
  int32_t type;             /* address type index (Allen-Bradley drivers) */
  uint16_t fileNumber;      /* data file number (Allen-Bradley drivers) */
  uint16_t wordNumber;      /* word number (Allen-Bradley drivers) */
  unsigned char bit;        /* bit byte of the map string; 255 when absent */
} PlcAddress;

/* The record that PlcDetails fills. The caller zeroes it first. */
typedef struct PlcDetailsInfo {
  char name[PLC_NAME_CAPACITY];               /* Plc_Name */
  char driverImage[PLC_DETAIL_TEXT_CAPACITY]; /* base name of the panel-side driver image */
  unsigned char manufacturerCode;
  unsigned char modelCode;
  unsigned char protocolCode;
  char maker[PLC_DETAIL_TEXT_CAPACITY];
  char model[PLC_DETAIL_TEXT_CAPACITY];    /* may be empty */
  char protocol[PLC_DETAIL_TEXT_CAPACITY]; /* may be empty */
  char helpFile[PLC_DETAIL_TEXT_CAPACITY]; /* depends on the application type */
  int32_t mainHelpContext;
  int32_t dialogHelpContext;
  int32_t mapLength;  /* bytes in one map string */
  int32_t bitOffset;  /* position of the bit byte in the map string */
  int32_t wordOffset; /* position of the word or reference number, high byte first */
  int32_t characteristicC;
  int32_t typeOffset; /* position of the address type byte */
  unsigned char characteristicE;
  unsigned char characteristicF;
  unsigned char characteristicG;
} PlcDetailsInfo;

/* Export names, as the host looks them up. */
#define PLC_SYM_MFG_CODE "Plc_Mfg_Code"
#define PLC_SYM_MODEL_CODE "Plc_Model_Code"
#define PLC_SYM_PROTOCOL_CODE "Plc_Protocol_code"
#define PLC_SYM_NAME "Plc_Name"
#define PLC_SYM_VALIDATE "ValidatePlc"
#define PLC_SYM_VALIDATE_SILENT "ValidatePlcWithOutMsg"
#define PLC_SYM_REBUILD "ReBuildAddress"
#define PLC_SYM_REBUILD_SILENT "ReBuildAddressWithOutMsg"
#define PLC_SYM_DETAILS "PlcDetails"
#define PLC_SYM_CREATE_DEFAULT_ATR "CreateAtrFileWithDefaultAttributes"
#define PLC_SYM_ATR_EXISTS "IsAtrFileExist"
#define PLC_SYM_ATR_MATCHES "IsAtrFileMatchingWithPLCDll"
#define PLC_SYM_LAUNCH "LaunchObject"
#define PLC_SYM_LAUNCH_ORVANE "LaunchObjectOrvane"
#define PLC_SYM_COMPARE "CompareMapStrings"
#define PLC_SYM_SET_APP_TYPE "SetApplicationType"
#define PLC_SYM_RELEASE_MAP "ReleaseMapString"

/* Function types of the exports. */
typedef PlcBool (*PlcValidateFn)(PlcAddress* out, const char* text, int32_t access,
                                 int32_t dataType, int32_t checkAccess, int32_t checkDataType);
typedef PlcBool (*PlcRebuildFn)(PlcAddress* address, char* text, char* reserved);
typedef void (*PlcDetailsFn)(PlcDetailsInfo* out);
typedef PlcBool (*PlcPathFn)(const char* path);
typedef int32_t (*PlcCompareFn)(const unsigned char* a, const unsigned char* b);
typedef void (*PlcSetApplicationTypeFn)(int32_t type);
typedef void (*PlcReleaseMapStringFn)(unsigned char* mapString);

/* What a plug-in defines. The host never references these directly. */
#ifdef ORVANE_PLUGIN_BUILD
PLC_EXPORT extern unsigned char Plc_Mfg_Code;
PLC_EXPORT extern unsigned char Plc_Model_Code;
PLC_EXPORT extern unsigned char Plc_Protocol_code;
/* Built once when the library is loaded. */
PLC_EXPORT extern char Plc_Name[PLC_NAME_CAPACITY];

PLC_EXPORT PlcBool ValidatePlc(PlcAddress* out, const char* text, int32_t access, int32_t dataType,
                               int32_t checkAccess, int32_t checkDataType);
PLC_EXPORT PlcBool ValidatePlcWithOutMsg(PlcAddress* out, const char* text, int32_t access,
                                         int32_t dataType, int32_t checkAccess,
                                         int32_t checkDataType);
PLC_EXPORT PlcBool ReBuildAddress(PlcAddress* address, char* text, char* reserved);
PLC_EXPORT PlcBool ReBuildAddressWithOutMsg(PlcAddress* address, char* text, char* reserved);
PLC_EXPORT void PlcDetails(PlcDetailsInfo* out);
PLC_EXPORT PlcBool CreateAtrFileWithDefaultAttributes(const char* path);
PLC_EXPORT PlcBool IsAtrFileExist(const char* path);
PLC_EXPORT PlcBool IsAtrFileMatchingWithPLCDll(const char* path);
PLC_EXPORT PlcBool LaunchObject(const char* path);
PLC_EXPORT PlcBool LaunchObjectOrvane(const char* path);
PLC_EXPORT int32_t CompareMapStrings(const unsigned char* a, const unsigned char* b);
PLC_EXPORT void SetApplicationType(int32_t type);
PLC_EXPORT void ReleaseMapString(unsigned char* mapString);
#endif

#ifdef __cplusplus
}
#endif

#endif /* ORVANE_PLCHOST_PLCCONTRACT_H */
