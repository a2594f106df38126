# Counts passed and failed test cases in a GoogleTest XML report and prints
# "PASSED FAILED". Disabled (not run) cases are not counted.
/<testcase / {
    name = $0
    if (name ~ /status="notrun"/) { open = 0; next }
    if (name ~ /\/>[[:space:]]*$/) { passed++; next }
    open = 1; failed_here = 0; next
}
open && /<failure/ { failed_here = 1 }
open && /<\/testcase>/ {
    if (failed_here) failed++; else passed++
    open = 0
}
END { printf "%d %d\n", passed + 0, failed + 0 }
