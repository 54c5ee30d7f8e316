// Builds small metafiles record by record for the reader's tests.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>

class WmfWriter {
 public:
  // Parameter words in file order.
  void Record(uint16_t function, std::initializer_list<int> words) {
    Put32(static_cast<uint32_t>(3 + words.size()));
    Put16(function);
    for (int w : words) Put16(static_cast<uint16_t>(w));
  }
  // Parameters given as bytes, padded to whole words.
  void RawRecord(uint16_t function, std::string params) {
    if (params.size() % 2) params += '\0';
    Put32(static_cast<uint32_t>(3 + params.size() / 2));
    Put16(function);
    body_ += params;
  }
  static std::string Word(int v) {
    return {static_cast<char>(v & 0xFF), static_cast<char>((v >> 8) & 0xFF)};
  }
  void Put16(uint16_t v) {
    body_ += static_cast<char>(v & 0xFF);
    body_ += static_cast<char>(v >> 8);
  }
  void Put32(uint32_t v) {
    Put16(static_cast<uint16_t>(v & 0xFFFF));
    Put16(static_cast<uint16_t>(v >> 16));
  }
  static int Low(uint32_t color) { return static_cast<int>(color & 0xFFFF); }
  static int High(uint32_t color) { return static_cast<int>(color >> 16); }

  // With a placeable header when the box is not empty.
  std::string Bytes(int left = 0, int top = 0, int right = 0, int bottom = 0,
                    int inch = 1440) const {
    WmfWriter out;
    if (right != left) {
      out.Put32(0x9AC6CDD7u);
      out.Put16(0);
      for (int v : {left, top, right, bottom}) out.Put16(static_cast<uint16_t>(v));
      out.Put16(static_cast<uint16_t>(inch));
      out.Put32(0);
      out.Put16(0);  // checksum: not checked by readers
    }
    out.Put16(1);
    out.Put16(9);
    out.Put16(0x0300);
    out.Put32(static_cast<uint32_t>((18 + body_.size() + 6) / 2));
    out.Put16(8);
    out.Put32(64);
    out.Put16(0);
    out.body_ += body_;
    out.Put32(3);  // end of file
    out.Put16(0);
    return out.body_;
  }

 private:
  std::string body_;
};

class EmfWriter {
 public:
  void Record(uint32_t type, std::initializer_list<int32_t> dwords) {
    Put(type);
    Put(static_cast<uint32_t>(8 + 4 * dwords.size()));
    for (int32_t d : dwords) Put(static_cast<uint32_t>(d));
    ++records_;
  }
  void RawRecord(uint32_t type, const std::string& payload) {
    Put(type);
    Put(static_cast<uint32_t>(8 + payload.size()));
    body_ += payload;
    ++records_;
  }

  // Frame in hundredths of a millimetre; reference device 1000 x 1000 px
  // over 250 x 250 mm, so one pixel is a quarter millimetre.
  std::string Bytes(int frameRight, int frameBottom) const {
    EmfWriter out;
    out.Put(1);
    out.Put(88);
    for (int32_t v : {0, 0, 1000, 1000}) out.Put(static_cast<uint32_t>(v));  // bounds
    for (int32_t v : {0, 0, frameRight, frameBottom}) out.Put(static_cast<uint32_t>(v));
    out.Put(0x464D4520u);
    out.Put(0x10000);
    out.Put(static_cast<uint32_t>(88 + body_.size() + 20));
    out.Put(static_cast<uint32_t>(records_ + 2));
    out.Put(16);  // handles, reserved
    out.Put(0);
    out.Put(0);
    out.Put(0);
    out.Put(1000);
    out.Put(1000);
    out.Put(250);
    out.Put(250);
    out.body_ += body_;
    out.Put(14);
    out.Put(20);
    out.Put(0);
    out.Put(0);
    out.Put(20);
    return out.body_;
  }

 private:
  void Put(uint32_t v) {
    for (int i = 0; i < 4; ++i) body_ += static_cast<char>((v >> (8 * i)) & 0xFF);
  }
  std::string body_;
  uint32_t records_ = 0;
};
