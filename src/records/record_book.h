#pragma once
// The record book: the official record (runs played through in one go) and
// the personal record (every run), both in clear points, kept scrambled in the
// settings store under "PB" and "MB". The reading and writing of one stored
// value are plain functions here; ReadOfficialRecord, ReadPersonalRecord and
// UpdateRecords are the shared procedures built on them.
#include <QString>
#include <cstdint>
#include <optional>

namespace records {

struct RecordKey {
    const char* key;            // settings key in section "Data"
    int32_t mask;               // XORed into the record before it is encoded
    int encodings;              // how many times EncText is applied
    const char* defaultStored;  // read in place of an absent key
};

// The official record: one text encoding. The default stands for 5000 points.
extern const RecordKey kOfficialRecord;
// The personal record: two text encodings. The default stands for 5000 points.
extern const RecordKey kPersonalRecord;

// The record a stored value stands for, or nothing when it is not one.
std::optional<int32_t> DecodeRecord(const RecordKey& key, const QString& stored);
QString EncodeRecord(const RecordKey& key, int32_t record);

// Reads a record from the store; an absent key reads the default, a value
// that decodes to no number counts as no record (0) and is logged.
int32_t ReadRecord(const RecordKey& key);
// Stores a record; false when the store could not be written.
bool WriteRecord(const RecordKey& key, int32_t record);

}  // namespace records
