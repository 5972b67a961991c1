/* A shared library with no dependencies, opened by the driver module
   ownership tests to see when it is loaded and when it is released. */
int orvane_test_library_marker = 42;
