netsh interface ip set address "eth0" static 192.168.1.10 255.255.255.0
