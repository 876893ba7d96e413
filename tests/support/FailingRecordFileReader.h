#pragma once

#include "model/IRRecords.h"
#include "platform/RecordFile.h"

#include <cstddef>
#include <filesystem>
#include <memory>
#include <sys/types.h>

// A reader of a record file whose reads fail with EIO from a given piece
// on, as those of a pulled stick or a dropped share do.
class FailingRecordFileReader final : public RecordFileReader {
public:
    FailingRecordFileReader(const std::filesystem::path& path, std::size_t recordLength, int piecesBeforeFailure)
        : RecordFileReader(path, recordLength), piecesLeft_(piecesBeforeFailure)
    {
    }

    // The reader of an IR database's commands, failing after that many pieces.
    static auto CommandsFailingAfter(int pieces)
    {
        return [pieces](const RecordFileReader& headers) -> std::unique_ptr<RecordFileReader> {
            return std::make_unique<FailingRecordFileReader>(headers.Path(), IRRecordLayout::RecordLength, pieces);
        };
    }

protected:
    ssize_t ReadAt(uint8_t* into, std::size_t length, off_t offset) override;

private:
    int piecesLeft_;
};
