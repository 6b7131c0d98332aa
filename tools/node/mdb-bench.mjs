// Times mdb-reader on the catalogue's two list queries, the way the program
// runs them: per call read the file, open it, read the table, filter, sort,
// read every field. Prints the mean milliseconds per call, elapsed and of
// processor time (name "-cpu"), as JSON.
//   node mdb-bench.mjs FILE PASSWORD CALLS MACHINE CATEGORY SEARCH
import { readFileSync } from "node:fs";
import MDBReader from "mdb-reader";

const [file, password, callsText, machineText, categoryText, search] = process.argv.slice(2);
const calls = Number(callsText);
const machine = Number(machineText);
const category = Number(categoryText);
const needle = search.toLowerCase();

function open() {
    const reader = new MDBReader(readFileSync(file), { password });
    return reader.getTable("VeloxFalconCD").getData();
}

function touch(rows) {
    let n = 0;
    for (const row of rows) for (const key in row) if (row[key] !== null) n++;
    return n;
}

function categoryCall() {
    const rows = open().filter((r) => r.machines !== null && r.machines >= 1 && r.machines <= 64 &&
        (r.machines & machine) === machine && r.Kategorie === category);
    rows.sort((a, b) => (a.Programmname ?? "").localeCompare(b.Programmname ?? "", "en", { sensitivity: "base" }));
    return touch(rows);
}

function searchCall() {
    const hit = (v) => v !== null && v.toLowerCase().includes(needle);
    const rows = open().filter((r) => hit(r.Programmname) || hit(r.Author) ||
        hit(r.BeschreibungEnglisch) || hit(r.BeschreibungDeutsch));
    return touch(rows);
}

const result = {};
for (const [name, fn] of [["category", categoryCall], ["search", searchCall]]) {
    fn(); // warm up
    const start = process.hrtime.bigint();
    const cpu = process.cpuUsage();
    for (let i = 0; i < calls; i++) fn();
    const used = process.cpuUsage(cpu);
    result[name] = Number(process.hrtime.bigint() - start) / 1e6 / calls;
    result[name + "-cpu"] = (used.user + used.system) / 1e3 / calls;
}
process.stdout.write(JSON.stringify(result));
