#include "CertificationRequest.h"

#include "Der.h"

Bytes EncodeRequestInfo(ByteView name, ByteView subjectPublicKeyInfo)
{
    const std::uint8_t version[] = {0};
    return Der::EncodeSequence({Der::EncodeUnsignedInteger(version), name, subjectPublicKeyInfo,
                                Der::Encode(Der::ContextConstructed0, {})});
}

Bytes EncodeRequest(ByteView requestInfo, ByteView signature)
{
    Bytes algorithm = Der::EncodeSequence({*Der::EncodeObjectIdentifier("1.2.840.113549.1.1.11"), Der::EncodeNull()});
    return Der::EncodeSequence({requestInfo, algorithm, Der::EncodeBitString(signature)});
}
