// Fuzz target: any sequence of keypad presses, Input, Next, Quit and hand
// edits of the entry, weight and score boxes, driven through the recording
// fake. Every rule of the quiz (QuizSession::Check) must hold after every
// event.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "QuizSession.h"

namespace {

// Reads the fuzzer's bytes one at a time; 0 once they run out.
class Bytes {
  public:
    Bytes(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
    bool Done() const { return at_ >= size_; }
    std::uint8_t Next() { return at_ < size_ ? data_[at_++] : 0; }
    std::string_view Text() {
        const std::size_t length = std::min<std::size_t>(Next(), size_ - at_);
        const std::string_view text(reinterpret_cast<const char*>(data_ + at_), length);
        at_ += length;
        return text;
    }

  private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t at_ = 0;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Bytes bytes(data, size);
    const std::uint8_t seed = bytes.Next();
    QuizSession session(seed, seed % 60);
    std::string broken = session.Check();
    while (broken.empty() && !bytes.Done()) {
        const std::uint8_t b = bytes.Next();
        switch (const int op = b % 24) {
        case 12:
        case 13:
        case 14:
            session.Input();
            break;
        case 15:
        case 16:
            session.Next();
            break;
        case 17:
            session.Quit();
            break;
        case 18:
        case 19:
            session.KeyAnswer(op == 19);
            break;
        case 20:
            session.TypeEntry(bytes.Text());
            break;
        case 21:
            session.TypeWeight(bytes.Text());
            break;
        case 22:
            session.TypeScore(bytes.Text());
            break;
        case 23:
            session.TypeWeight("");
            break;
        default: // 0..11: a keypad key
            session.Key(op);
            break;
        }
        broken = session.Check();
    }
    if (!broken.empty()) {
        std::fprintf(stderr, "rule broken after event %ld: %s\n", session.Counts().events,
                     broken.c_str());
        std::abort();
    }
    return 0;
}
