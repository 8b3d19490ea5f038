#pragma once

// The common base of the record classes. It gives them a virtual destructor and nothing else:
// no run-time type information, no serialisation, no Qt.
class CObject
{
public:
    CObject() = default;
    CObject(const CObject&) = default;
    CObject& operator=(const CObject&) = default;
    virtual ~CObject();
};
