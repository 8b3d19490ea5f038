#pragma once

// Why a tree file was or was not read. Only Loaded changes the node.
enum class TreeLoadStatus
{
    Loaded,
    NotGzip,
    WrongMagic,
    DataEndsEarly,
    ChecksumMismatch,
    MalformedPayload,
};
