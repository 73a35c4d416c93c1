// Reads arbitrary bytes with TRurJSONReader; when they form a document, writes its tokens again with
// TRurJSONWriter (compact or indented) and reads that back: the writer's text must be accepted and
// give the same tokens. Numbers compare through their 15-digit text.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "RurJSONReader.h"
#include "RurJSONWriter.h"

namespace {

struct Token {
    TRurJSONToken Kind;
    String Text; // names, strings, numbers in their 15-digit form
    Int64 Integer = 0;
    bool IsInteger = false;
    bool operator==(const Token&) const = default;
};

std::vector<Token> ReadTokens(TStream& stream)
{
    TRurJSONReader json(stream);
    std::vector<Token> tokens;
    for (;;) {
        Token token{json.Peek(), String()};
        switch (token.Kind) {
        case jstoBeginObject: json.ReadBeginObject(); break;
        case jstoEndObject: json.ReadEndObject(); break;
        case jstoBeginArray: json.ReadBeginArray(); break;
        case jstoEndArray: json.ReadEndArray(); break;
        case jstoName: token.Text = json.ReadName(); break;
        case jstoText: token.Text = json.ReadString(); break;
        case jstoBoolean: token.IsInteger = json.ReadBoolean(); break;
        case jstoNull: json.ReadNull(); break;
        case jstoNumber: {
            // A float is kept as the text the writer will give it, which may read back as an integer.
            String text = json.ReadString();
            if (!TryStrToInt64(text, token.Integer))
                text = FloatToStr(StrToFloat(text));
            token.IsInteger = TryStrToInt64(text, token.Integer);
            if (!token.IsInteger)
                token.Text = text;
            break;
        }
        case jstoEOF: return tokens;
        }
        tokens.push_back(token);
    }
}

void WriteTokens(TStream& stream, const std::vector<Token>& tokens, int indent)
{
    TRurJSONWriter json(stream);
    json.SetIndentLength(indent);
    for (const Token& token : tokens) {
        switch (token.Kind) {
        case jstoBeginObject: json.WriteBeginObject(); break;
        case jstoEndObject: json.WriteEndObject(); break;
        case jstoBeginArray: json.WriteBeginArray(); break;
        case jstoEndArray: json.WriteEndArray(); break;
        case jstoName: json.WriteName(token.Text); break;
        case jstoText: json.WriteString(token.Text); break;
        case jstoBoolean: json.WriteBoolean(token.IsInteger); break;
        case jstoNull: json.WriteNull(); break;
        case jstoNumber:
            if (token.IsInteger)
                json.WriteInteger(token.Integer);
            else
                json.WriteDouble(StrToFloat(token.Text));
            break;
        case jstoEOF: break;
        }
    }
    json.Close();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::vector<Token> tokens;
    TMemoryStream written;
    try {
        TBytesStream input(TBytes(data, data + size));
        tokens = ReadTokens(input);
        WriteTokens(written, tokens, int(size % 3));
    } catch (const Exception&) {
        return 0; // not a document, or one the writer refuses (an empty name, a non-finite number)
    }
    written.SetPosition(0);
    if (ReadTokens(written) != tokens)
        __builtin_trap();
    return 0;
}
