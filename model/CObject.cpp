#include "model/CObject.h"

CObject::~CObject() = default;
