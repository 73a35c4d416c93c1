/* The C side of the JPEG codec. libjpeg reports errors by calling error_exit, which must not return.
   Throwing a C++ exception from it would unwind through libjpeg's C frames, which may have no unwind
   tables. Instead each function here calls setjmp before touching libjpeg, and error_exit longjmps
   back to it; only C frames (these functions and libjpeg's) lie between the two, so nothing with a
   destructor is skipped. Each function reports failure by returning 0 and leaves the message in the job;
   the C++ side turns that into an exception after the C frames have returned. */
#ifndef TAVIN_JPEG_BRIDGE_H
#define TAVIN_JPEG_BRIDGE_H

#include <stddef.h>

#ifdef __cplusplus
extern "C" {
#endif

enum { JpegBridgeMessageSize = 200 };

typedef struct JpegDecodeJob JpegDecodeJob;

/* Both return NULL when out of memory. */
JpegDecodeJob* JpegBridgeOpenDecode(const unsigned char* data, size_t size);
void JpegBridgeCloseDecode(JpegDecodeJob* job);
const char* JpegBridgeDecodeMessage(const JpegDecodeJob* job);

/* Reads the headers: the picture size and the number of colour components (1 grey, 3 colour,
   4 CMYK). */
int JpegBridgeReadHeader(JpegDecodeJob* job, int* width, int* height, int* components);

/* Decodes into top-down BGRA rows of the given stride; fails on truncated data. */
int JpegBridgeReadPixels(JpegDecodeJob* job, unsigned char* bgra, size_t stride);

/* Compresses top-down BGRA rows (alpha ignored) at quality 1..100 into a malloc'ed block that the
   caller frees with JpegBridgeFree; message receives the reason on failure. */
int JpegBridgeEncode(const unsigned char* bgra, int width, int height, size_t stride, int quality,
                     unsigned char** output, unsigned long* outputSize, char message[JpegBridgeMessageSize]);
void JpegBridgeFree(void* block);

#ifdef __cplusplus
}
#endif

#endif
