netsh interface ip set address "lo" static 172.16.0.5 255.255.0.0
