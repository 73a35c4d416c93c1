// Reads and writes a JSON document of about 10 MB with TRurJSONReader/TRurJSONWriter and, as the
// reference measured in the same run, with RapidJSON's SAX reader and writer (ASCII output, so both
// writers escape the same characters). Prints MB/s and our speed as a fraction of the reference.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include <rapidjson/reader.h>
#include <rapidjson/stringbuffer.h>
#include <rapidjson/writer.h>

#include "RurJSONReader.h"
#include "RurJSONWriter.h"

namespace {

struct Record {
    String Name;
    String Note; // quotes, backslashes, line breaks and non-ASCII letters: every kind of escape
    Int64 Id;
    double Value;
    bool Flag;
    std::vector<Int64> Tags;
};

struct Utf8Record {
    std::string Name, Note;
};

std::vector<Record> MakeRecords(std::size_t count)
{
    std::vector<Record> records;
    for (std::size_t i = 0; i < count; ++i) {
        const std::string n = std::to_string(i);
        Record r;
        r.Name = u"record " + String(n.begin(), n.end());
        r.Note = u"say \"hi\" to C:\\path\\" + String(n.begin(), n.end()) + u"\r\nd\u00E9j\u00E0 vu \u0633\u0644\u0627\u0645";
        r.Id = Int64(i) * 7919 - 1000000;
        r.Value = double(i) * 0.37 + 0.125;
        r.Flag = i % 3 == 0;
        r.Tags = {Int64(i), Int64(i % 97), -Int64(i % 13)};
        records.push_back(std::move(r));
    }
    return records;
}

struct Timing {
    double Ours = 1e9, Reference = 1e9;
};

template <class F>
double Seconds(F&& run)
{
    const auto start = std::chrono::steady_clock::now();
    run();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// The best of several rounds, the two sides taking turns so that a busy machine slows both alike.
template <class F, class G>
Timing BestOfRounds(F&& ours, G&& reference)
{
    Timing best;
    for (int round = 0; round < 9; ++round) {
        best.Ours = std::min(best.Ours, Seconds(ours));
        best.Reference = std::min(best.Reference, Seconds(reference));
    }
    return best;
}

std::string WriteOurs(const std::vector<Record>& records)
{
    TMemoryStream stream;
    {
        TRurJSONWriter json(stream);
        json.WriteBeginArray();
        for (const Record& r : records) {
            json.WriteBeginObject().WriteName(u"name").WriteString(r.Name).WriteName(u"note").WriteString(r.Note);
            json.WriteName(u"id").WriteInteger(r.Id).WriteName(u"value").WriteDouble(r.Value);
            json.WriteName(u"flag").WriteBoolean(r.Flag).WriteName(u"extra").WriteNull();
            json.WriteName(u"tags").WriteBeginArray();
            for (Int64 tag : r.Tags)
                json.WriteInteger(tag);
            json.WriteEndArray().WriteEndObject();
        }
        json.WriteEndArray().Close();
    }
    const char* data = static_cast<const char*>(stream.Memory());
    return std::string(data, data + stream.Size());
}

std::string WriteReference(const std::vector<Record>& records, const std::vector<Utf8Record>& texts)
{
    rapidjson::StringBuffer buffer;
    rapidjson::Writer<rapidjson::StringBuffer, rapidjson::UTF8<>, rapidjson::ASCII<>> json(buffer);
    json.StartArray();
    for (std::size_t i = 0; i < records.size(); ++i) {
        const Record& r = records[i];
        json.StartObject();
        json.Key("name"); json.String(texts[i].Name.c_str(), rapidjson::SizeType(texts[i].Name.size()));
        json.Key("note"); json.String(texts[i].Note.c_str(), rapidjson::SizeType(texts[i].Note.size()));
        json.Key("id"); json.Int64(r.Id);
        json.Key("value"); json.Double(r.Value);
        json.Key("flag"); json.Bool(r.Flag);
        json.Key("extra"); json.Null();
        json.Key("tags");
        json.StartArray();
        for (Int64 tag : r.Tags)
            json.Int64(tag);
        json.EndArray();
        json.EndObject();
    }
    json.EndArray();
    return std::string(buffer.GetString(), buffer.GetSize());
}

// Pulls every token and keeps a checksum so that no read is optimised away.
std::size_t ReadOurs(TStream& stream)
{
    stream.SetPosition(0);
    TRurJSONReader json(stream);
    std::size_t sum = 0;
    for (;;) {
        switch (json.Peek()) {
        case jstoBeginObject: json.ReadBeginObject(); break;
        case jstoEndObject: json.ReadEndObject(); break;
        case jstoBeginArray: json.ReadBeginArray(); break;
        case jstoEndArray: json.ReadEndArray(); break;
        case jstoName: sum += json.ReadName().size(); break;
        case jstoText: sum += json.ReadString().size(); break;
        case jstoNumber: sum += std::size_t(json.ReadDouble()); break;
        case jstoBoolean: sum += json.ReadBoolean(); break;
        case jstoNull: json.ReadNull(); break;
        case jstoEOF: return sum;
        }
    }
}

struct ReferenceHandler : rapidjson::BaseReaderHandler<rapidjson::UTF8<>, ReferenceHandler> {
    std::size_t Sum = 0;
    bool Default() { return true; }
    bool Bool(bool b) { Sum += b; return true; }
    bool Int(int i) { Sum += std::size_t(double(i)); return true; }
    bool Uint(unsigned u) { Sum += std::size_t(double(u)); return true; }
    bool Int64(int64_t i) { Sum += std::size_t(double(i)); return true; }
    bool Uint64(uint64_t u) { Sum += std::size_t(double(u)); return true; }
    bool Double(double d) { Sum += std::size_t(d); return true; }
    bool String(const char*, rapidjson::SizeType length, bool) { Sum += length; return true; }
    bool Key(const char*, rapidjson::SizeType length, bool) { Sum += length; return true; }
};

std::size_t ReadReference(const std::string& text)
{
    rapidjson::Reader reader;
    rapidjson::StringStream stream(text.c_str());
    ReferenceHandler handler;
    if (reader.Parse(stream, handler).IsError())
        std::abort();
    return handler.Sum;
}

void Report(const char* what, std::size_t bytes, const Timing& timing)
{
    const double mb = double(bytes) / (1024.0 * 1024.0);
    std::printf("%-6s TRurJSON %8.1f MB/s   RapidJSON %8.1f MB/s   ratio %.2f (RapidJSON time / ours)\n", what,
                mb / timing.Ours, mb / timing.Reference, timing.Reference / timing.Ours);
}

} // namespace

int main()
{
    const std::vector<Record> records = MakeRecords(50000);
    std::vector<Utf8Record> texts;
    for (const Record& r : records)
        texts.push_back({ToUtf8(r.Name), ToUtf8(r.Note)});

    std::string ours, reference;
    const Timing write = BestOfRounds([&] { ours = WriteOurs(records); },
                                      [&] { reference = WriteReference(records, texts); });
    std::printf("document: %zu bytes (ours), %zu bytes (RapidJSON)\n", ours.size(), reference.size());

    // Both read our document: RapidJSON from the string, TRurJSONReader from a stream holding it.
    std::size_t sumOurs = 0, sumReference = 0;
    TBytesStream input(TBytes(ours.begin(), ours.end()));
    const Timing read = BestOfRounds([&] { sumOurs = ReadOurs(input); }, [&] { sumReference = ReadReference(ours); });
    Report("write", ours.size(), write);
    Report("read", ours.size(), read);
    // The string lengths differ: UTF-16 code units against UTF-8 bytes.
    std::printf("checksums: %zu %zu\n", sumOurs, sumReference);
    return 0;
}
