// Constants of the self-extracting archive: the trailer's texts, the limits
// of the format, the result codes of every archive operation and the codes
// of the progress callback.
//
// The file: stub | entry streams | directory | trailer. Integers are 32-bit
// little-endian. Directory record i: stream offset, uncompressed size,
// compressed size, name (L bytes, no terminator), L. Trailer (the last 18
// bytes): entry count, SFX_VERSION, SFX_MAGIC.
#pragma once

#include <cstdint>

#define SFX_MAGIC "!QORT_SFX!"
#define SFX_MAGIC_LENGTH 10
#define SFX_VERSION "1.10"
#define SFX_VERSION_LENGTH 4
#define SFX_TRAILER_SIZE 18        // entry count + version + magic
#define SFX_RECORD_FIXED_SIZE 16   // a directory record without its name
#define SFX_BUFFER_SIZE 4096       // each of the two transfer buffers
#define SFX_MAX_ENTRIES 256
#define SFX_MAX_NAME_LENGTH 1000   // bytes of one entry name
#define SFX_MAX_OFFSET 0x7FFFFFFFu  // every stream offset lies below 2^31
#define SFX_STUB_RESOURCE_TYPE "SFX_EXE"
#define SFX_ZLIB_LEVEL 6

// Result codes. The Setup dialog ends with these numbers, so they are fixed.
#define SFX_ERR_OPEN_ARCHIVE 1000  // the archive cannot be opened or its directory read
#define SFX_ERR_NOT_ARCHIVE 1001   // no trailer, another version, or a directory out of bounds
#define SFX_OK 1002
#define SFX_ERR_COPY_STUB 1003     // the stub file could not be copied to the output
#define SFX_ERR_EMPTY 1004         // no entries in the archive, or nothing to build
#define SFX_ERR_WRITE_OUTPUT 1005  // an output file cannot be created or written
#define SFX_ERR_OPEN_INPUT 1006    // the archive's data or a source file cannot be opened
#define SFX_ERR_NO_STUB 1007       // the stub resource cannot be found, loaded or locked
#define SFX_BUILD_COMPLETE 1008    // WriteArchive wrote streams, directory and trailer
#define SFX_ERR_DAMAGED 1009       // an entry's stream is damaged, cut short or of the wrong size
#define SFX_ERR_BAD_INDEX 1010     // ExtractEntry: the index lies outside the directory
#define SFX_ERR_BUSY 1011          // another operation of the same archive object is running

// Progress callback codes.
#define SFX_CB_FILE_BEGIN 1000  // data: the SfxEntry
#define SFX_CB_FILE_DONE 1001   // data: the SfxEntry; only for an entry that succeeded
#define SFX_CB_PROGRESS 1002    // data: an int32_t percent, 0 to 100, of the entry's input consumed

// The progress callback: called synchronously from inside the running
// operation with one of the SFX_CB_ codes, the data that code names (valid
// only during the call) and the user value given with the callback.
typedef void (*SfxProgressFn)(int code, void* data, void* user);
