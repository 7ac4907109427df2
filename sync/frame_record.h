// One decoded frame: its fields in wire order and its payload, owned.
#pragma once

#include "sync/wire_format.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string_view>

struct frame_view;

class frame_record {
public:
    frame_record();
    ~frame_record();
    frame_record(frame_record&&) noexcept;
    frame_record& operator=(frame_record&&) noexcept;
    frame_record(const frame_record&) = delete;
    frame_record& operator=(const frame_record&) = delete;

    // Frame fields, in wire order and width.
    unsigned char head_magic[wire::head_size];
    std::uint8_t kind;
    std::uint8_t reserved_byte;
    char id[wire::id_field];
    char pwd[wire::pwd_field];
    char tag[wire::tag_field];
    unsigned char mark[4];
    std::uint8_t format_byte;
    std::uint64_t data_length;
    std::uint64_t tail_magic;

    // The 1024-byte payload buffer; null only in a moved-from record.
    char* payload() { return payload_.get(); }
    const char* payload() const { return payload_.get(); }
    std::string_view payload_view() const;
    std::string_view id_text() const;
    std::string_view pwd_text() const;
    std::string_view tag_text() const;

    // Takes over the fields and payload of a parsed frame.
    void assign(const frame_view& frame);
    void copy_from(const frame_record& other);

    // Writes the complete frame of 139 + length bytes to dest, which must hold wire::max_frame
    // bytes. Returns false, writing nothing, when dest or src is missing, a text does not fit
    // its field or length exceeds 1024.
    static bool pack(char* dest, const char* src, std::uint64_t length, std::string_view id,
        std::string_view pwd, std::string_view tag, std::uint8_t kind);

private:
    std::unique_ptr<char[]> payload_;
};
