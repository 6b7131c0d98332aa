// Prints the rows of one table of a Jet file as JSON, read by the npm
// package mdb-reader: an independent reader for cross-checks.
//   node mdb-table.mjs FILE TABLE [PASSWORD]
import { readFileSync } from "node:fs";
import MDBReader from "mdb-reader";

const [file, table, password] = process.argv.slice(2);
if (!file || !table) {
    console.error("usage: node mdb-table.mjs FILE TABLE [PASSWORD]");
    process.exit(2);
}
const reader = new MDBReader(readFileSync(file), { password: password ?? "" });
const rows = reader.getTable(table).getData();
process.stdout.write(JSON.stringify(rows, (key, value) => (value instanceof Date ? value.toISOString() : value)));
