/* See JpegBridge.h for why errors travel by setjmp/longjmp confined to this file. */
#include "JpegBridge.h"

#include <setjmp.h>
#include <stdio.h> /* jpeglib.h needs FILE */
#include <stdlib.h>
#include <string.h>

#include <jerror.h>
#include <jpeglib.h>

_Static_assert(JpegBridgeMessageSize >= JMSG_LENGTH_MAX, "libjpeg formats messages of up to JMSG_LENGTH_MAX");

/* A progressive file with more scans than any encoder writes only serves to make decoding slow. */
enum { MaxScans = 500 };
/* Working memory beyond the output picture (coefficient buffers of progressive files). */
enum { MaxWorkingMemory = 512 * 1024 * 1024 };

typedef struct BridgeError {
    struct jpeg_error_mgr Base;
    jmp_buf Escape;
    char Message[JpegBridgeMessageSize];
} BridgeError;

static void BridgeErrorExit(j_common_ptr cinfo)
{
    BridgeError* error = (BridgeError*)cinfo->err;
    (*cinfo->err->format_message)(cinfo, error->Message);
    longjmp(error->Escape, 1);
}

/* Warnings (corrupt but decodable data) are neither printed nor fatal. */
static void BridgeEmitMessage(j_common_ptr cinfo, int level)
{
    (void)cinfo;
    (void)level;
}

static void InitError(BridgeError* error)
{
    jpeg_std_error(&error->Base);
    error->Base.error_exit = BridgeErrorExit;
    error->Base.emit_message = BridgeEmitMessage;
    error->Message[0] = '\0';
}

/* Source manager over a memory block that notes when the data ran out. */
typedef struct BridgeSource {
    struct jpeg_source_mgr Base;
    int Truncated;
} BridgeSource;

static const JOCTET FakeEndOfImage[2] = {0xFF, JPEG_EOI};

static void SourceInit(j_decompress_ptr cinfo) { (void)cinfo; }

static boolean SourceFill(j_decompress_ptr cinfo)
{
    BridgeSource* source = (BridgeSource*)cinfo->src;
    source->Truncated = 1;
    source->Base.next_input_byte = FakeEndOfImage;
    source->Base.bytes_in_buffer = 2;
    return TRUE;
}

static void SourceSkip(j_decompress_ptr cinfo, long count)
{
    struct jpeg_source_mgr* source = cinfo->src;
    if (count <= 0)
        return;
    if ((size_t)count > source->bytes_in_buffer) {
        SourceFill(cinfo);
        return;
    }
    source->next_input_byte += count;
    source->bytes_in_buffer -= (size_t)count;
}

static void SourceTerm(j_decompress_ptr cinfo) { (void)cinfo; }

static void LimitScans(j_common_ptr cinfo)
{
    BridgeError* error = (BridgeError*)cinfo->err;
    if (((j_decompress_ptr)cinfo)->input_scan_number > MaxScans) {
        strcpy(error->Message, "too many progressive scans");
        longjmp(error->Escape, 1);
    }
}

struct JpegDecodeJob {
    struct jpeg_decompress_struct Info;
    BridgeError Error;
    BridgeSource Source;
    struct jpeg_progress_mgr Progress;
    int Created;
};

static int CreateDecoder(JpegDecodeJob* job, const unsigned char* data, size_t size)
{
    if (setjmp(job->Error.Escape))
        return 0;
    jpeg_create_decompress(&job->Info);
    job->Created = 1;
    job->Info.mem->max_memory_to_use = MaxWorkingMemory;
    job->Source.Base.init_source = SourceInit;
    job->Source.Base.fill_input_buffer = SourceFill;
    job->Source.Base.skip_input_data = SourceSkip;
    job->Source.Base.resync_to_restart = jpeg_resync_to_restart;
    job->Source.Base.term_source = SourceTerm;
    job->Source.Base.next_input_byte = data;
    job->Source.Base.bytes_in_buffer = size;
    job->Info.src = &job->Source.Base;
    job->Progress.progress_monitor = LimitScans;
    job->Info.progress = &job->Progress;
    return 1;
}

JpegDecodeJob* JpegBridgeOpenDecode(const unsigned char* data, size_t size)
{
    JpegDecodeJob* job = (JpegDecodeJob*)calloc(1, sizeof(JpegDecodeJob));
    if (job == NULL)
        return NULL;
    InitError(&job->Error);
    job->Info.err = &job->Error.Base;
    if (!CreateDecoder(job, data, size)) {
        free(job);
        return NULL;
    }
    return job;
}

void JpegBridgeCloseDecode(JpegDecodeJob* job)
{
    if (job == NULL)
        return;
    if (job->Created)
        jpeg_destroy_decompress(&job->Info);
    free(job);
}

const char* JpegBridgeDecodeMessage(const JpegDecodeJob* job) { return job->Error.Message; }

int JpegBridgeReadHeader(JpegDecodeJob* job, int* width, int* height, int* components)
{
    if (setjmp(job->Error.Escape))
        return 0;
    jpeg_read_header(&job->Info, TRUE);
    *width = (int)job->Info.image_width;
    *height = (int)job->Info.image_height;
    *components = job->Info.num_components;
    return 1;
}

/* Adobe's CMYK files store inverted values; either way the product with K gives RGB. */
static void CmykRowToBgra(unsigned char* row, JDIMENSION width, int inverted)
{
    JDIMENSION x;
    for (x = 0; x < width; ++x) {
        unsigned char* p = row + 4 * x;
        unsigned c = p[0], m = p[1], y = p[2], k = p[3];
        if (!inverted) {
            c = 255 - c;
            m = 255 - m;
            y = 255 - y;
            k = 255 - k;
        }
        p[0] = (unsigned char)(y * k / 255);
        p[1] = (unsigned char)(m * k / 255);
        p[2] = (unsigned char)(c * k / 255);
        p[3] = 255;
    }
}

int JpegBridgeReadPixels(JpegDecodeJob* job, unsigned char* bgra, size_t stride)
{
    struct jpeg_decompress_struct* info = &job->Info;
    int cmyk;
    if (setjmp(job->Error.Escape))
        return 0;
    cmyk = info->jpeg_color_space == JCS_CMYK || info->jpeg_color_space == JCS_YCCK;
    info->out_color_space = cmyk ? JCS_CMYK : JCS_EXT_BGRA;
    jpeg_start_decompress(info);
    while (info->output_scanline < info->output_height) {
        unsigned char* row = bgra + (size_t)info->output_scanline * stride;
        jpeg_read_scanlines(info, &row, 1);
        if (cmyk)
            CmykRowToBgra(row, info->output_width, info->saw_Adobe_marker);
    }
    if (job->Source.Truncated) {
        strcpy(job->Error.Message, "data ends early");
        return 0;
    }
    return 1;
}

/* Destination manager that grows one malloc'ed block, so that a failed compression can free it. */
typedef struct BridgeDestination {
    struct jpeg_destination_mgr Base;
    unsigned char* Block;
    size_t Capacity;
} BridgeDestination;

enum { FirstDestinationSize = 64 * 1024 };

static void DestinationInit(j_compress_ptr cinfo)
{
    BridgeDestination* dest = (BridgeDestination*)cinfo->dest;
    dest->Block = (unsigned char*)malloc(FirstDestinationSize);
    if (dest->Block == NULL)
        ERREXIT1(cinfo, JERR_OUT_OF_MEMORY, 0);
    dest->Capacity = FirstDestinationSize;
    dest->Base.next_output_byte = dest->Block;
    dest->Base.free_in_buffer = dest->Capacity;
}

static boolean DestinationGrow(j_compress_ptr cinfo)
{
    BridgeDestination* dest = (BridgeDestination*)cinfo->dest;
    unsigned char* larger = (unsigned char*)realloc(dest->Block, dest->Capacity * 2);
    if (larger == NULL)
        ERREXIT1(cinfo, JERR_OUT_OF_MEMORY, 0);
    dest->Block = larger;
    dest->Base.next_output_byte = larger + dest->Capacity;
    dest->Base.free_in_buffer = dest->Capacity;
    dest->Capacity *= 2;
    return TRUE;
}

static void DestinationTerm(j_compress_ptr cinfo) { (void)cinfo; }

typedef struct JpegEncodeJob {
    struct jpeg_compress_struct Info;
    BridgeError Error;
    BridgeDestination Destination;
} JpegEncodeJob;

/* The job lives on the heap and its pointer is fixed before setjmp, so nothing that longjmp may leave
   indeterminate is read afterwards. */
static int Compress(JpegEncodeJob* job, const unsigned char* bgra, int width, int height, size_t stride, int quality)
{
    struct jpeg_compress_struct* info = &job->Info;
    if (setjmp(job->Error.Escape))
        return 0;
    jpeg_create_compress(info);
    job->Destination.Base.init_destination = DestinationInit;
    job->Destination.Base.empty_output_buffer = DestinationGrow;
    job->Destination.Base.term_destination = DestinationTerm;
    info->dest = &job->Destination.Base;
    info->image_width = (JDIMENSION)width;
    info->image_height = (JDIMENSION)height;
    info->input_components = 4;
    info->in_color_space = JCS_EXT_BGRA;
    jpeg_set_defaults(info);
    jpeg_set_quality(info, quality, TRUE);
    jpeg_start_compress(info, TRUE);
    while (info->next_scanline < info->image_height) {
        JSAMPROW row = (JSAMPROW)(bgra + (size_t)info->next_scanline * stride);
        jpeg_write_scanlines(info, &row, 1);
    }
    jpeg_finish_compress(info);
    return 1;
}

int JpegBridgeEncode(const unsigned char* bgra, int width, int height, size_t stride, int quality,
                     unsigned char** output, unsigned long* outputSize, char message[JpegBridgeMessageSize])
{
    JpegEncodeJob* job = (JpegEncodeJob*)calloc(1, sizeof(JpegEncodeJob));
    int done;
    *output = NULL;
    *outputSize = 0;
    if (job == NULL) {
        strcpy(message, "out of memory");
        return 0;
    }
    InitError(&job->Error);
    job->Info.err = &job->Error.Base;
    done = Compress(job, bgra, width, height, stride, quality);
    jpeg_destroy_compress(&job->Info);
    if (done) {
        *output = job->Destination.Block;
        *outputSize = (unsigned long)(job->Destination.Capacity - job->Destination.Base.free_in_buffer);
    } else {
        free(job->Destination.Block);
        memcpy(message, job->Error.Message, JpegBridgeMessageSize);
    }
    free(job);
    return done;
}

void JpegBridgeFree(void* block) { free(block); }
