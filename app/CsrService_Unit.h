#pragma once
// The CSR service: one RSA-2048 key pair, a request signed with it whose subject carries the model's
// data, three PEM text files in the chosen folder, then the folder opened by the shell.
#include <vector>

#include "CsrModel_Unit.h"
#include "Generics.Collections.h"
#include "SysUtils.h"
#include "System.h"

// The steps of a generation that can fail.
enum class TCsrStep {
    CheckFileName,
    CreateRsa,
    GenerateKey,
    ExportPrivateKey,
    CreateRequest,
    SetSubjectField,
    SignRequest,
    SavePrivateKey,
    CreateFileAccess,
    WriteRequest,
    ExportPublicKey,
    CreatePublicKey,
    LoadPublicKey,
    SavePublicKey,
    PrepareFiles,
    ReplaceFiles,
};

// A generation that stopped: which step failed and the output file it was working towards.
class ECsrGenerationError : public Exception {
public:
    ECsrGenerationError(TCsrStep step, String fileName);
    TCsrStep Step() const { return FStep; }
    const String& FileName() const { return FFileName; }

private:
    TCsrStep FStep;
    String FFileName;
};

// The three output files of one request.
struct TCsrOutputFiles {
    String PrivateKey;
    String Request;
    String PublicKey;
};

class TCSRService : public TObject {
public:
    // Generates and writes the three files, then opens the folder. A serial number that cannot be
    // part of a file name is refused before anything else; every library result is checked. The
    // files are written under temporary names and replace an earlier set of the same identifier
    // only when all three are complete. On a failure nothing more is done, the objects created are
    // disposed of, the temporary files are removed (the folder keeps exactly its earlier files),
    // and ECsrGenerationError is raised. Exceptions of the binding pass through the same way.
    void GenerateCsr(const TCsrModel& csr_model, const String& path);

    // The folder and the serial number joined by one backslash, with the three fixed suffixes.
    static TCsrOutputFiles OutputFiles(const String& path, const String& serialNumber);
    // Those of the three files that already exist, for asking before they are replaced.
    static std::vector<String> ExistingOutputFiles(const String& path, const String& serialNumber);
    // False for an identifier that a file name cannot carry: control characters or \ / : * ? " < > |.
    // A trailing dot or space is fine: the identifier is followed by the fixed suffix.
    static bool IsUsableInFileName(const String& serialNumber);

private:
    using TSubject = TDictionary<String, String>;

    static TSubject BuildSubject(const TCsrModel& csr_model);
    [[noreturn]] void Fail(TCsrStep step, const String& fileName);
    void DisposeObjects();

    void* ck_rsa = nullptr;
    bool ck_state = false;
    void* ck_key = nullptr;
    void* ck_pair = nullptr;
    void* ck_csr = nullptr;
    String ck_pem;
    void* ck_fac = nullptr;
};
