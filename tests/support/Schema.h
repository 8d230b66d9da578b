// The tables the stock application keeps, as the test and demo databases create them.
#pragma once

// The company list: one row per company.
extern const char* const kSchemaSocietes;
// One company's database: stores, products, families, stock rows, documents, with their indexes.
extern const char* const kSchemaSociete;
