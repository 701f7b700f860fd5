#include "job/job_file.h"

#include <algorithm>
#include <array>
#include <climits>
#include <cstdint>
#include <optional>

#include "core/length.h"
#include "inventory/token_reader.h"

namespace {

// The longest word a record item may have; longer words are cut.
constexpr std::size_t kMaxWord = 255;

void AppendBlock(std::string& out, const std::string& text, std::size_t blockSize)
{
    const std::string cut = CutText(text, blockSize - 1);
    out += cut;
    out.append(blockSize - cut.size(), '\0');
}

// The text of a NUL-terminated block; a block without a NUL gives all but its last byte.
std::string ReadBlock(std::string_view content, std::size_t offset, std::size_t blockSize)
{
    if (offset >= content.size()) {
        return "";
    }
    std::string_view block = content.substr(offset, blockSize);
    const std::size_t end = block.find('\0');
    if (end != std::string_view::npos) {
        return std::string(block.substr(0, end));
    }
    return std::string(block.substr(0, std::min(block.size(), blockSize - 1)));
}

// An optional sign and the leading digits, held to the 32-bit range; 0 without digits.
std::int32_t LeadingInteger(std::string_view word)
{
    std::size_t i = 0;
    bool negative = false;
    if (i < word.size() && (word[i] == '+' || word[i] == '-')) {
        negative = word[i] == '-';
        ++i;
    }
    long long value = 0;
    for (; i < word.size() && word[i] >= '0' && word[i] <= '9'; ++i) {
        value = value * 10 + (word[i] - '0');
        if (value > static_cast<long long>(INT32_MAX) + 1) {
            value = static_cast<long long>(INT32_MAX) + 1;
        }
    }
    if (negative) {
        value = -value;
    }
    return static_cast<std::int32_t>(std::clamp<long long>(value, INT32_MIN, INT32_MAX));
}

} // namespace

std::string CutText(std::string_view text, std::size_t maxBytes)
{
    if (text.size() <= maxBytes) {
        return std::string(text);
    }
    // A cut inside a UTF-8 character (at most 3 continuation bytes after its lead byte)
    // moves back to that character's lead byte; other bytes are kept as they are.
    std::size_t end = maxBytes;
    std::size_t lead = end;
    while (lead > 0 && end - lead < 3 && (static_cast<unsigned char>(text[lead]) & 0xC0) == 0x80) {
        --lead;
    }
    if (lead < end && (static_cast<unsigned char>(text[lead]) & 0xC0) == 0xC0) {
        end = lead;
    }
    return std::string(text.substr(0, end));
}

std::string WriteJobFile(const JOB_FILE& job)
{
    std::string out;
    AppendBlock(out, job.name, kJobNameBlock);
    AppendBlock(out, job.description, kJobDescriptionBlock);
    for (const ORDER& order : job.orders) {
        out += order.profileCode + '\n' + order.material + '\n' + order.color + '\n' + order.identifier + '\n' +
               NumberToText(order.length, 4) + '\n' + std::to_string(order.quantity) + '\n';
    }
    return out;
}

JOB_FILE ReadJobFile(std::string_view content)
{
    JOB_FILE job;
    job.name = ReadBlock(content, 0, kJobNameBlock);
    job.description = ReadBlock(content, kJobNameBlock, kJobDescriptionBlock);
    const std::size_t header = kJobNameBlock + kJobDescriptionBlock;
    if (content.size() <= header) {
        return job;
    }
    CTokenReader reader(content, header);
    for (;;) {
        std::array<std::string, 6> words;
        for (std::string& word : words) {
            const std::optional<std::string_view> token = reader.NextToken();
            if (!token) {
                return job;
            }
            word = std::string(token->substr(0, kMaxWord));
        }
        ORDER order;
        order.profileCode = words[0];
        order.material = words[1];
        order.color = words[2];
        order.identifier = words[3];
        order.length = TextToNumber(words[4]);
        order.quantity = LeadingInteger(words[5]);
        job.orders.push_back(std::move(order));
    }
}
