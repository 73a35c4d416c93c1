#include "Ckd32Library.h"
#include "TestFiles.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::wstring W(const std::u16string& s) { return std::wstring(s.begin(), s.end()); }
const wchar_t* P(const std::u16string& s) { return reinterpret_cast<const wchar_t*>(s.c_str()); }

std::string Utf8(const std::u16string& s)
{
    std::wstring wide = W(s);
    int size = WideCharToMultiByte(CP_UTF8, 0, wide.c_str(), static_cast<int>(wide.size()), nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide.c_str(), static_cast<int>(wide.size()), out.data(), size, nullptr, nullptr);
    return out;
}

class Ckd32Dll : public ::testing::Test {
protected:
    // Loaded and unloaded around every test, so each one also unloads with objects left undisposed.
    Ckd32Library ck;

    void SetUp() override { ASSERT_TRUE(ck.Module() && ck.AllEntriesFound()); }

    // A generated 2048-bit key: RSA object and private-key object.
    std::pair<void*, void*> NewKey()
    {
        void* rsa = ck.CkRsa_Create();
        EXPECT_NE(ck.CkRsa_GenerateKey(rsa, 2048) & 0xFFFF, 0);
        return {rsa, ck.CkRsa_ExportPrivateKeyObj(rsa)};
    }
};

// ---- The six holder types, as the tool's service calls the library -------------------------------

struct Field {
    std::u16string oid;
    std::u16string value;
    std::string expectedType; // as OpenSSL names it; empty when the attribute is left out
};

struct Holder {
    int type;
    std::u16string serialNumber;
    std::vector<Field> fields; // in the order the service hands them over
};

const std::u16string kGiven = u"علی", kSurname = u"رضایی", kProvince = u"تهران", kCity = u"شهر ری";
const std::u16string kUnit = u"شرکت داده‌پردازان نمونه", kTitle = u"مدیر عامل", kEmail = u"ali.rezaei@example.ir";

std::vector<Holder> Holders()
{
    const std::string U = "UTF8STRING", P = "PRINTABLESTRING", I = "IA5STRING";
    auto personal = [&](std::u16string org, std::u16string serial, std::u16string cn, std::string serialType) {
        return std::vector<Field>{{u"2.5.4.42", kGiven, U}, {u"2.5.4.11", kUnit, U}, {u"2.5.4.8", kProvince, U},
                                  {u"2.5.4.3", cn, U}, {u"2.5.4.5", serial, serialType}, {u"2.5.4.7", kCity, U},
                                  {u"1.2.840.113549.1.9.1", kEmail, I}, {u"2.5.4.10", org, U},
                                  {u"2.5.4.4", kSurname, U}, {u"2.5.4.6", u"IR", P}};
    };
    Holder one{1, u"0012345671", personal(u"مستقل", u"0012345671", u"علی رضایی [Stamp]", P)};
    auto staff = [&](int type, std::u16string serial, std::string serialType) {
        Holder h{type, serial, {}};
        for (const Field& f : personal(u"کارمند سازمان", serial, u"علی رضایی [Stamp]", serialType)) {
            if (f.oid == u"2.5.4.3")
                h.fields.push_back({u"2.5.4.97", u"", ""}); // the tool leaves it empty
            if (f.oid == u"2.5.4.4")
                h.fields.push_back({u"2.5.4.12", kTitle, U});
            h.fields.push_back(f);
        }
        return h;
    };
    auto organisation = [&](int type, std::u16string serial) {
        Holder h{type, serial, {}};
        for (const Field& f : personal(u"سازمان دولتی", serial, u"مهر سازمان نمونه [Stamp]", P))
            if (f.oid != u"1.2.840.113549.1.9.1")
                h.fields.push_back(f);
        return h;
    };
    Holder six{6, u"10101234567", {{u"2.5.4.11", kUnit, U}, {u"2.5.4.10", u"دستگاه خودکار", U},
                                   {u"1.2.840.113549.1.9.1", kEmail, I}, {u"2.5.4.3", u"سامانه نمونه [Stamp]", U},
                                   {u"2.5.4.5", u"10101234567", P}, {u"2.5.4.6", u"IR", P}}};
    // Holder 3 carries a national code in Persian digits: it cannot be a PrintableString.
    return {one, staff(2, u"0012345672", P), staff(3, u"۰۰۱۲۳۴۵۶۷۳", U), organisation(4, u"0012345674"),
            organisation(5, u"0012345675"), six};
}

TEST_F(Ckd32Dll, WritesTheFilesOfEveryHolderType)
{
    const std::wstring folder = OutputFolder();
    for (const Holder& holder : Holders()) {
        SCOPED_TRACE(holder.type);
        // The steps of the tool's generation, results checked here although the tool ignores them.
        void* rsa = ck.CkRsa_Create();
        ASSERT_NE(ck.CkRsa_GenerateKey(rsa, 2048) & 0xFFFF, 0);
        void* key = ck.CkRsa_ExportPrivateKeyObj(rsa);
        void* csr = ck.CkCsr_Create();
        for (const Field& f : holder.fields)
            EXPECT_TRUE(ck.CkCsr_SetSubjectField(csr, P(f.oid), P(f.value), L"UTF8String"));
        const wchar_t* pem = ck.CkCsr__genCsrPem(csr, key);
        ASSERT_TRUE(pem);
        std::wstring csrText = pem;
        EXPECT_EQ(csrText.rfind(L"-----BEGIN CERTIFICATE REQUEST-----\r\n", 0), 0u);
        const std::wstring prefix = folder + L"\\" + W(holder.serialNumber);
        EXPECT_TRUE(ck.CkPrivateKey_SavePemFile(key, (prefix + L"_private_key.txt").c_str()));
        void* files = ck.CkFileAccess_Create();
        EXPECT_TRUE(ck.CkFileAccess_WriteEntireTextFile(files, (prefix + L"_csr_key.txt").c_str(), csrText.c_str(),
                                                        L"utf-8", 0));
        const wchar_t* publicText = ck.CkRsa__exportPublicKey(rsa);
        ASSERT_TRUE(publicText);
        void* pair = ck.CkPublicKey_Create();
        EXPECT_TRUE(ck.CkPublicKey_LoadFromString(pair, publicText));
        EXPECT_TRUE(ck.CkPublicKey_SavePemFile(pair, 0, (prefix + L"_publick_key.txt").c_str()));
        ck.CkRsa_Dispose(rsa);
        ck.CkCsr_Dispose(csr);
        ck.CkFileAccess_Dispose(files);

        // What the host check expects of the subject: one line per attribute kept, in order.
        std::wstring expectedPath = folder + L"\\holder" + std::to_wstring(holder.type) + L".txt";
        std::string lines = Utf8(holder.serialNumber) + "\n";
        for (const Field& f : holder.fields)
            if (!f.expectedType.empty())
                lines += Utf8(f.oid) + "\t" + f.expectedType + "\t" + Utf8(f.value) + "\n";
        ASSERT_TRUE(WriteFileBytes(expectedPath, lines));
    }
}

// ---- Handles --------------------------------------------------------------------------------------

TEST_F(Ckd32Dll, BadHandlesFailWithoutHarm)
{
    auto [rsa, key] = NewKey();
    void* csr = ck.CkCsr_Create();
    void* pub = ck.CkPublicKey_Create();
    void* files = ck.CkFileAccess_Create();
    void* gone = ck.CkCsr_Create();
    ck.CkCsr_Dispose(gone);
    const std::wstring path = ScratchFolder(L"bad_handles") + L"\\file.txt";
    const wchar_t* publicText = ck.CkRsa__exportPublicKey(rsa);
    ASSERT_TRUE(publicText);
    const std::wstring publicCopy = publicText;

    // Null, never issued, disposed, and a live handle of another kind (a file-access object fits none
    // of the calls below but its own).
    for (void* bad : {static_cast<void*>(nullptr), reinterpret_cast<void*>(0x7654321), gone, files}) {
        EXPECT_EQ(ck.CkRsa_GenerateKey(bad, 2048) & 0xFFFF, 0);
        EXPECT_FALSE(ck.CkRsa_ExportPrivateKeyObj(bad));
        EXPECT_FALSE(ck.CkRsa__exportPublicKey(bad));
        EXPECT_FALSE(ck.CkCsr_SetSubjectField(bad, L"2.5.4.3", L"x", L"UTF8String"));
        EXPECT_FALSE(ck.CkCsr__genCsrPem(bad, key));
        EXPECT_FALSE(ck.CkCsr__genCsrPem(csr, bad));
        EXPECT_FALSE(ck.CkPrivateKey_SavePemFile(bad, path.c_str()));
        EXPECT_FALSE(ck.CkPublicKey_LoadFromString(bad, publicCopy.c_str()));
        EXPECT_FALSE(ck.CkPublicKey_SavePemFile(bad, 0, path.c_str()));
        ck.CkRsa_Dispose(bad);
        ck.CkCsr_Dispose(bad == files ? key : bad); // a private key is no CSR either
    }
    for (void* bad : {static_cast<void*>(nullptr), reinterpret_cast<void*>(0x7654321), gone, csr})
        EXPECT_FALSE(ck.CkFileAccess_WriteEntireTextFile(bad, path.c_str(), L"x", L"utf-8", 0));
    ck.CkFileAccess_Dispose(csr);
    EXPECT_FALSE(FileExists(path));

    // The objects handed to the wrong dispose calls are all still there.
    EXPECT_TRUE(ck.CkRsa__exportPublicKey(rsa));
    EXPECT_TRUE(ck.CkCsr__genCsrPem(csr, key));
    EXPECT_TRUE(ck.CkFileAccess_WriteEntireTextFile(files, path.c_str(), L"x", L"utf-8", 0));
    EXPECT_TRUE(ck.CkPublicKey_LoadFromString(pub, publicCopy.c_str()));
}

TEST_F(Ckd32Dll, NothingIsExportedBeforeAKeyExists)
{
    void* rsa = ck.CkRsa_Create();
    EXPECT_FALSE(ck.CkRsa_ExportPrivateKeyObj(rsa));
    EXPECT_FALSE(ck.CkRsa__exportPublicKey(rsa));
    EXPECT_FALSE(ck.CkPublicKey_SavePemFile(ck.CkPublicKey_Create(), 0,
                                            (ScratchFolder(L"no_key") + L"\\public.txt").c_str()));
    EXPECT_TRUE(FilesIn(ScratchFolder(L"no_key")).empty());
}

TEST_F(Ckd32Dll, KeySizesOutsideTheRangeAreRefused)
{
    void* rsa = ck.CkRsa_Create();
    for (std::int32_t bits : {-2048, 0, 512, 1023, 8193, 16384})
        EXPECT_EQ(ck.CkRsa_GenerateKey(rsa, bits) & 0xFFFF, 0) << bits;
    EXPECT_NE(ck.CkRsa_GenerateKey(rsa, 1024) & 0xFFFF, 0);
}

TEST(Ckd32DllUnload, UndisposedObjectsGoWithTheLibrary)
{
    {
        Ckd32Library ck;
        ASSERT_TRUE(ck.AllEntriesFound());
        void* rsa = ck.CkRsa_Create();
        ASSERT_NE(ck.CkRsa_GenerateKey(rsa, 1024) & 0xFFFF, 0);
        ASSERT_TRUE(ck.CkRsa_ExportPrivateKeyObj(rsa));
        ASSERT_TRUE(ck.CkPublicKey_LoadFromString(ck.CkPublicKey_Create(), ck.CkRsa__exportPublicKey(rsa)));
    }
    // Nothing keeps the module mapped once its last user let go, and it loads cleanly again.
    EXPECT_FALSE(GetModuleHandleW(L"ckd32.dll"));
    Ckd32Library again;
    void* rsa = again.CkRsa_Create();
    EXPECT_NE(again.CkRsa_GenerateKey(rsa, 1024) & 0xFFFF, 0);
}

// ---- Subject fields -------------------------------------------------------------------------------

TEST_F(Ckd32Dll, SubjectFieldsThatCannotBeEncodedAreRefused)
{
    struct Case { const wchar_t* oid; const wchar_t* value; const wchar_t* type; bool accepted; };
    const Case cases[] = {
        {L"2.5.4.3", L"Ali", L"UTF8String", true},
        {L"2.5.4.3", L"Ali", L"PrintableString", true},
        {L"2.5.4.3", L"a@b.ir", L"IA5String", true},
        {L"2.5.4.97", L"", L"UTF8String", true},
        {L"2.5.4.3", nullptr, L"UTF8String", true},
        {L"2.5.4.3", L"Ali", L"BMPString", false},
        {L"2.5.4.3", L"Ali", L"", false},
        {L"2.5.4.3", L"Ali", nullptr, false},
        {L"2.5.4.", L"Ali", L"UTF8String", false},
        {L"commonName", L"Ali", L"UTF8String", false},
        {L"", L"Ali", L"UTF8String", false},
        {nullptr, L"Ali", L"UTF8String", false},
        {L"2.5.4.3", L"علی", L"PrintableString", false},
        {L"2.5.4.3", L"علی", L"IA5String", false},
    };
    void* csr = ck.CkCsr_Create();
    for (const Case& c : cases)
        EXPECT_EQ(ck.CkCsr_SetSubjectField(csr, c.oid, c.value, c.type) != 0, c.accepted)
            << (c.oid ? c.oid : L"(null)") << L" " << (c.type ? c.type : L"(null)");
}

// ---- Files ----------------------------------------------------------------------------------------

TEST_F(Ckd32Dll, AFolderThatDoesNotExistGetsNothing)
{
    auto [rsa, key] = NewKey();
    void* pub = ck.CkPublicKey_Create();
    ASSERT_TRUE(ck.CkPublicKey_LoadFromString(pub, ck.CkRsa__exportPublicKey(rsa)));
    void* files = ck.CkFileAccess_Create();
    const std::wstring missing = ScratchFolder(L"missing_parent") + L"\\no_such_folder";
    EXPECT_FALSE(ck.CkPrivateKey_SavePemFile(key, (missing + L"\\k.txt").c_str()));
    EXPECT_FALSE(ck.CkPublicKey_SavePemFile(pub, 0, (missing + L"\\p.txt").c_str()));
    EXPECT_FALSE(ck.CkFileAccess_WriteEntireTextFile(files, (missing + L"\\c.txt").c_str(), L"x", L"utf-8", 0));
    EXPECT_FALSE(FileExists(missing));
    // A path naming a folder, or no file at all, fails too.
    EXPECT_FALSE(ck.CkPrivateKey_SavePemFile(key, (ScratchFolder(L"missing_parent") + L"\\").c_str()));
    EXPECT_FALSE(ck.CkPrivateKey_SavePemFile(key, L""));
    EXPECT_FALSE(ck.CkPrivateKey_SavePemFile(key, nullptr));
    EXPECT_TRUE(FilesIn(ScratchFolder(L"missing_parent")).empty());
}

TEST_F(Ckd32Dll, TextFilesInEachCharset)
{
    struct Case { const wchar_t* charset; std::uint32_t preamble; const wchar_t* text; bool written; std::string bytes; };
    const Case cases[] = {
        {L"utf-8", 0, L"A\u0639", true, "A\xD8\xB9"},
        {L"UTF-8", 1, L"A\u0639", true, "\xEF\xBB\xBF" "A\xD8\xB9"},
        {L"utf-8", 0x10000, L"A", true, "A"}, // only the low 16 bits carry the flag
        {L"utf-16", 1, L"A\u0639", true, std::string("\xFF\xFE" "A\0\x39\x06", 6)},
        {L"Utf-16", 0, L"A", true, std::string("A\0", 2)},
        {L"ansi", 1, L"Ab", true, "Ab"},
        {L"ansi", 0, L"\U0001F600", false, ""}, // no ANSI code page holds it
        {L"utf-8", 0, L"\xD800", false, ""},    // a lone surrogate
        {L"latin-1", 0, L"A", false, ""},
        {L"", 0, L"A", false, ""},
        {L"utf-8", 0, nullptr, true, ""},
    };
    void* files = ck.CkFileAccess_Create();
    const std::wstring folder = ScratchFolder(L"charsets");
    const std::wstring path = folder + L"\\text.txt";
    for (const Case& c : cases) {
        DeleteFileW(path.c_str());
        EXPECT_EQ(ck.CkFileAccess_WriteEntireTextFile(files, path.c_str(), c.text, c.charset, c.preamble) != 0, c.written)
            << c.charset;
        EXPECT_EQ(FileExists(path), c.written) << c.charset;
        EXPECT_EQ(ReadFileBytes(path), c.bytes) << c.charset;
    }
    // An existing file is replaced whole; a failed write leaves it as it was; no temporary file stays.
    ASSERT_TRUE(ck.CkFileAccess_WriteEntireTextFile(files, path.c_str(), L"a much longer first text", L"utf-8", 0));
    ASSERT_TRUE(ck.CkFileAccess_WriteEntireTextFile(files, path.c_str(), L"short", L"utf-8", 0));
    EXPECT_FALSE(ck.CkFileAccess_WriteEntireTextFile(files, path.c_str(), L"\xD800", L"utf-8", 0));
    EXPECT_EQ(ReadFileBytes(path), "short");
    EXPECT_EQ(FilesIn(folder), std::vector<std::wstring>{L"text.txt"});
}

TEST_F(Ckd32Dll, PublicKeyFormsAndLoading)
{
    auto [rsa, key] = NewKey();
    const std::wstring exported = ck.CkRsa__exportPublicKey(rsa);
    EXPECT_EQ(exported.rfind(L"-----BEGIN PUBLIC KEY-----\r\n", 0), 0u);
    void* pub = ck.CkPublicKey_Create();
    ASSERT_TRUE(ck.CkPublicKey_LoadFromString(pub, exported.c_str()));

    // Files for the host check: the same key in both public forms and as the private key.
    const std::wstring folder = OutputFolder();
    ASSERT_TRUE(ck.CkPrivateKey_SavePemFile(key, (folder + L"\\forms_private_key.txt").c_str()));
    ASSERT_TRUE(ck.CkPublicKey_SavePemFile(pub, 1, (folder + L"\\forms_rsa_public_key.txt").c_str()));
    ASSERT_TRUE(ck.CkPublicKey_SavePemFile(pub, 0x100, (folder + L"\\forms_public_key.txt").c_str()));
    const std::string pkcs1 = ReadFileBytes(folder + L"\\forms_rsa_public_key.txt");
    EXPECT_EQ(pkcs1.rfind("-----BEGIN RSA PUBLIC KEY-----\r\n", 0), 0u);
    EXPECT_EQ(ReadFileBytes(folder + L"\\forms_public_key.txt").rfind("-----BEGIN PUBLIC KEY-----\r\n", 0), 0u);

    // The PKCS#1 form loads as well; text that is no public key fails and leaves the object as it was.
    void* other = ck.CkPublicKey_Create();
    EXPECT_TRUE(ck.CkPublicKey_LoadFromString(other, std::wstring(pkcs1.begin(), pkcs1.end()).c_str()));
    std::wstring damaged = exported;
    damaged[40] = damaged[40] == L'A' ? L'B' : L'A';
    const std::wstring privateText = [&] {
        std::string bytes = ReadFileBytes(folder + L"\\forms_private_key.txt");
        return std::wstring(bytes.begin(), bytes.end());
    }();
    for (const std::wstring& text : {std::wstring(), std::wstring(L"junk"), damaged, privateText,
                                     exported.substr(0, exported.size() - 10), L"\u0639" + exported})
        EXPECT_FALSE(ck.CkPublicKey_LoadFromString(pub, text.c_str()));
    EXPECT_FALSE(ck.CkPublicKey_LoadFromString(pub, nullptr));
    const std::wstring again = ScratchFolder(L"forms") + L"\\public.txt";
    ASSERT_TRUE(ck.CkPublicKey_SavePemFile(pub, 0, again.c_str()));
    EXPECT_EQ(ReadFileBytes(again), ReadFileBytes(folder + L"\\forms_public_key.txt"));
}

TEST_F(Ckd32Dll, TextResultsStayUntilTheNextCallOnTheObject)
{
    auto [rsa, key] = NewKey();
    void* csr = ck.CkCsr_Create();
    ASSERT_TRUE(ck.CkCsr_SetSubjectField(csr, L"2.5.4.3", L"Ali", L"UTF8String"));
    const wchar_t* first = ck.CkCsr__genCsrPem(csr, key);
    ASSERT_TRUE(first);
    const std::wstring copy = first;
    void* otherCsr = ck.CkCsr_Create();
    ASSERT_TRUE(ck.CkCsr__genCsrPem(otherCsr, key));
    ASSERT_TRUE(ck.CkRsa__exportPublicKey(rsa));
    EXPECT_EQ(std::wstring(first), copy);
    // PKCS#1 v1.5 signatures are deterministic: the same request signs to the same text.
    EXPECT_EQ(std::wstring(ck.CkCsr__genCsrPem(csr, key)), copy);
}

} // namespace
