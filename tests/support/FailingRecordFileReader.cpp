#include "support/FailingRecordFileReader.h"

#include <cerrno>

ssize_t FailingRecordFileReader::ReadAt(uint8_t* into, std::size_t length, off_t offset)
{
    if (piecesLeft_ == 0) {
        errno = EIO;
        return -1;
    }
    --piecesLeft_;
    return RecordFileReader::ReadAt(into, length, offset);
}
