/* The version library: one export that names the program's version. The
   program opens it from the install directory at start-up. */
#ifndef ORVANE_APP_VERLIN_VERLIN_H
#define ORVANE_APP_VERLIN_VERLIN_H

#ifdef __cplusplus
extern "C" {
#endif

/* The version text, for example "2.1"; a static string. */
__attribute__((visibility("default"))) const char* GetApplicationVersion(void);

typedef const char* (*GetApplicationVersionFn)(void);
#define VERLIN_SYM_GET_APPLICATION_VERSION "GetApplicationVersion"

#ifdef __cplusplus
}
#endif

#endif /* ORVANE_APP_VERLIN_VERLIN_H */
