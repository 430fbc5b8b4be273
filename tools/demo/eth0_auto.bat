netsh interface ip set address "eth0" dhcp
