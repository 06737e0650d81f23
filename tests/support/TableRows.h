// Data-driven tests whose cases are rows of a plain table: each row is named by its first
// field, and the test fetches it back by index.
#pragma once

#include <QtTest>

#include <cstddef>

template <typename Row, std::size_t n> void AddRows(const Row (&rows)[n]) {
    QTest::addColumn<int>("row");
    for (std::size_t i = 0; i < n; ++i)
        QTest::newRow(rows[i].name) << int(i);
}

template <typename Row, std::size_t n> const Row& FetchRow(const Row (&rows)[n]) {
    return rows[*static_cast<int*>(QTest::qData("row", qMetaTypeId<int>()))];
}
